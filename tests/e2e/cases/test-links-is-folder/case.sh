# a folder given as the links file cannot be opened
args=(-t page.html folder)
setup() {
  mkdir folder
}
