# NUL bytes, lone CRs, byte 26, byte-order marks and bytes above 127 in
# the links file: addresses are written exactly as read
args=(-t page.html links.txt)
