# empty paths keep both fixed texts of the message
args=(-t "" "")
