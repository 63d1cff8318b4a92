args=(-t $'p\xe1ge out.html' "my links.txt")
