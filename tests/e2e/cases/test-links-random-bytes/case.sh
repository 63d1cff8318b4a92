# a links file of random bytes (a fixed fixture) is refused cleanly
args=(-t page.html links.txt)
