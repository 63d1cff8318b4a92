# entries keep their letter case: "X" leaves "X" plain, not "x"
args=(-g picture.txt page.html links.txt)
