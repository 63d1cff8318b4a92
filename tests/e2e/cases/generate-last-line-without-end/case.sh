args=(-g picture.txt page.html links.txt)
