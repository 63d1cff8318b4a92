args=(-g picture.txt page.html links.txt)
setup() {
  ln -s picture.txt page.html
}
