# a links file of random bytes (a fixed fixture) is refused cleanly
args=(-g picture.txt page.html links.txt)
