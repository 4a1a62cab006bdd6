# Benchmarks of the formula evaluator and the scientific models.
