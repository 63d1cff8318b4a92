args=(-t page.html links.txt)
setup() {
  ln links.txt page.html
}
