args=(-g picture.txt ./links.txt links.txt)
