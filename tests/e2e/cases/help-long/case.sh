args=(--help)
