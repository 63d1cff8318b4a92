# a page path that is not a regular file is never taken for an input
args=(-g /dev/null /dev/null links.txt)
