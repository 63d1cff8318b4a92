args=(-g picture.txt nofolder/page.html links.txt)
