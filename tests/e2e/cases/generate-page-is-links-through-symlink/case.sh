args=(-g picture.txt page.html links.txt)
setup() {
  ln -s ./links.txt page.html
}
