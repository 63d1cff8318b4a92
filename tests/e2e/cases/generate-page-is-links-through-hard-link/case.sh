args=(-g picture.txt page.html links.txt)
setup() {
  ln links.txt page.html
}
