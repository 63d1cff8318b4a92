# the page is created before the links file is read and stays empty
args=(-g picture.txt page.html missing.txt)
