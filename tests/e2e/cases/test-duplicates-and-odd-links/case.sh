# addresses as written, in file order, duplicates included; a blank breaks the unquoted src, as it is
args=(-t page.html links.txt)
