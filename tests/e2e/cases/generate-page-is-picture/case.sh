args=(-g picture.txt picture.txt links.txt)
