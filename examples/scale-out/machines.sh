parallel --sshlogin 2/node1,2/node2 --basefile input.txt --basefile subs \
    --return results-{}.db --cleanup \
    barvotok-contest judge input.txt subs -d results-{}.db --shard {}/8 -j 1 ::: 0 1 2 3 4 5 6 7
parallel --nonall --sshlogin node1,node2 rm -rf subs   # --cleanup removes files, not folders
barvotok-contest standings results-*.db -o standings.html
