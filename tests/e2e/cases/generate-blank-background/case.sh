# ignored blanks become &nbsp;, rows are separated by <br> and a newline
args=(-g picture.txt page.html links.txt)
