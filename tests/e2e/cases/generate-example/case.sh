args=(-g picture.txt page.html links.txt)
setup() {
  cp "$examples/picture.txt" "$examples/links.txt" .
}
