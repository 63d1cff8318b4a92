args=(-g folder page.html links.txt)
setup() {
  mkdir folder
}
