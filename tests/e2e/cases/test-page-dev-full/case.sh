args=(-t /dev/full links.txt)
