# random bytes after both keywords are all link entries, kept as written
args=(-g picture.txt page.html links.txt)
