# commands are compared byte for byte, letter case included
args=(-G picture.txt page.html links.txt)
