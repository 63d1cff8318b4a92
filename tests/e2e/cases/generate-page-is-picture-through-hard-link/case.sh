args=(-g picture.txt page.html links.txt)
setup() {
  ln picture.txt page.html
}
