args=(-t page.html links.txt)
setup() {
  cp "$examples/links.txt" .
}
