# a folder given as the page cannot be opened and is left alone
args=(-t folder links.txt)
setup() {
  mkdir folder
}
