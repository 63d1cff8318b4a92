args=(--generate picture.txt page.html links.txt extra more)
