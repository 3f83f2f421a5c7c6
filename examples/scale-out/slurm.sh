mkdir -p results
job=$(sbatch --parsable judge.sbatch)
sbatch --dependency=afterok:$job --wrap 'barvotok-contest standings results/shard-*.db -o standings.html'
