# a failed write is a failure, not a success
args=(-g picture.txt /dev/full links.txt)
