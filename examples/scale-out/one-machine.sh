parallel barvotok-contest judge input.txt subs -d results-{}.db --shard {}/4 -j 1 ::: 0 1 2 3
barvotok-contest standings results-*.db -o standings.html
