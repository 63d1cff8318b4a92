# a read error is reported, not taken for the end of the picture
args=(-g /proc/self/mem page.html links.txt)
