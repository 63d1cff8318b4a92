args=(-t nofolder/page.html links.txt)
