# a links file that can be read only once (a pipe) gives the same page
args=(-t page.html links.pipe)
setup() {
  mkfifo links.pipe
  cat links.txt >links.pipe &
}
