args=(-t ./links.txt links.txt)
