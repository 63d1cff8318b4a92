args=(-t page.html /proc/self/mem)
