# nothing but blanks is escaped; a blank that is not ignored is linked
args=(-g picture.txt page.html links.txt)
