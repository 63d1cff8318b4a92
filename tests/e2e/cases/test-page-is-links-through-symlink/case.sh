args=(-t page.html links.txt)
setup() {
  ln -s ./links.txt page.html
}
