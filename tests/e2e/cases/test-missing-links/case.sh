# the page is not touched when the links file fails
args=(-t page.html missing.txt)
