# an empty body: the page is the 289-byte frame
args=(-g picture.txt page.html links.txt)
