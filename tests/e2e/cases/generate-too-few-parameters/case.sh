args=(-g picture.txt page.html)
