args=(-g picture.txt folder links.txt)
setup() {
  mkdir folder
}
