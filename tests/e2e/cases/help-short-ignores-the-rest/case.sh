args=(-h -g a b c)
