args=(-t page.html)
