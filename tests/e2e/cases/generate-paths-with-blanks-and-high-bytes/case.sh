args=(-g "my picture.txt" $'p\xe1ge out.html' "my links.txt")
