# NUL bytes, lone CRs, byte 26, byte-order marks and bytes above 127 in
# both inputs: kept as written, a leading mark skipped, byte 26 ends each file
args=(-g picture.txt page.html links.txt)
