args=(--test page.html links.txt extra)
