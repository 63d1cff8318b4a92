args=(-g picture.txt page.html folder)
setup() {
  mkdir folder
}
