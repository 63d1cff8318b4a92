args=(-t)
