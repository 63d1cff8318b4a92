args=(--HELP)
