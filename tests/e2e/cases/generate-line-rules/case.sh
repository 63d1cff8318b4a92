# byte-order marks, CRLF, an empty row, a lone CR and Ctrl-Z
args=(-g picture.txt page.html links.txt)
