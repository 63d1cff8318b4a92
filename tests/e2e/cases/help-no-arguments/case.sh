args=()
