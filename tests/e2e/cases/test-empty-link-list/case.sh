args=(-t page.html links.txt)
