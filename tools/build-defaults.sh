# Sourced by scripts/test, scripts/demo and bench/run: what every build of theirs shares.
# JOBS: the build's parallelism. Two by default, the development and CI machines' cores;
# more only thrashes the MinGW and Wine steps on them.
JOBS=${JOBS:-2}
