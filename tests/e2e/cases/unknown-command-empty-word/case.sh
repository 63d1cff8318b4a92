args=("")
