-- The results database of barvotok-contest (SQLite, WAL mode). One file per
-- judge run or shard; standings reads one or more of them.
PRAGMA application_id = 1112691286;  -- 'BRVT': marks the file as this tool's
PRAGMA user_version = 2;             -- the schema's version

-- A test set, by the hash of its bytes. Verdicts belong to one test set.
CREATE TABLE test_sets (
  hash TEXT PRIMARY KEY,        -- XXH3-128 of the file's bytes, 32 hex digits
  file_name TEXT NOT NULL,      -- as given on the command line when first judged
  case_count INTEGER NOT NULL
);

CREATE TABLE test_cases (
  test_set TEXT NOT NULL REFERENCES test_sets(hash),
  number INTEGER NOT NULL,
  w INTEGER NOT NULL,
  h INTEGER NOT NULL,
  b INTEGER NOT NULL,
  PRIMARY KEY (test_set, number)
);

-- Every submission file named in a judge run, by path and content.
CREATE TABLE submissions (
  path TEXT NOT NULL,           -- as named (a folder's files: folder/name)
  hash TEXT NOT NULL,           -- XXH3-128 of the file's bytes
  size INTEGER NOT NULL,
  test_set TEXT NOT NULL REFERENCES test_sets(hash),
  PRIMARY KEY (path, test_set)
);

-- One verdict per submission content and test set, committed whole: the
-- outcome of its evaluation, from which its report is rendered when wanted.
CREATE TABLE verdicts (
  id INTEGER PRIMARY KEY,
  submission_hash TEXT NOT NULL,
  test_set TEXT NOT NULL REFERENCES test_sets(hash),
  contestant BLOB,              -- line 1 as written when the header passed, else NULL
  outcome TEXT NOT NULL CHECK (outcome IN ('passed', 'failed', 'unexpected')),
  check_line INTEGER,           -- a failed check's line (190), else NULL
  message BLOB,                 -- a failed check's message, byte for byte, else NULL
  UNIQUE (submission_hash, test_set),
  CHECK (CASE outcome WHEN 'failed' THEN check_line IS NOT NULL AND message IS NOT NULL
                      ELSE check_line IS NULL AND message IS NULL END)
);

-- The sections of a passed verdict, in submission order: its report's
-- result lines. A failed submission scores nothing, so its verdict has none.
CREATE TABLE sections (
  verdict INTEGER NOT NULL REFERENCES verdicts(id),
  position INTEGER NOT NULL,    -- from 1
  test_case INTEGER NOT NULL,
  moves INTEGER NOT NULL,
  PRIMARY KEY (verdict, position)
) WITHOUT ROWID;
