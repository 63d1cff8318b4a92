args=(-g missing.txt page.html links.txt)
