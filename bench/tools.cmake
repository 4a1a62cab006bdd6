# Benchmarks of the tool models.
