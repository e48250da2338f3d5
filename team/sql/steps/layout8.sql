-- Layout 8: photos and documents of sites, points and results, the photos chosen for the site report, and
-- every issued report as its PDF. Each file's bytes are kept once by their SHA-256, which the server
-- works out itself; a row that names a file is placed at a site by what it attaches to.
CREATE TABLE terrovane.files (
    digest text PRIMARY KEY CHECK (digest ~ '^[0-9a-f]{64}$'),
    size bigint NOT NULL CHECK (size > 0),
    bytes bytea NOT NULL,
    added_by name NOT NULL DEFAULT session_user,
    added_at timestamptz NOT NULL DEFAULT now()
);
-- Photos and PDFs do not compress: stored as they are, without trying.
ALTER TABLE terrovane.files ALTER COLUMN bytes SET STORAGE EXTERNAL;

-- A file on its way up, piece by piece, per member and digest: each piece a row of its own, so a piece
-- costs what it holds however large the file grows. The pieces become a file once they are whole and
-- match their digest.
CREATE TABLE terrovane.file_uploads (
    login name NOT NULL,
    digest text NOT NULL CHECK (digest ~ '^[0-9a-f]{64}$'),
    at bigint NOT NULL CHECK (at >= 0),
    piece bytea NOT NULL,
    sent_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (login, digest, at)
);
ALTER TABLE terrovane.file_uploads ALTER COLUMN piece SET STORAGE EXTERNAL;

-- An attachment is known by what it attaches to and its file's digest, as an archive keeps a file once
-- per owner. `meta` is what the sending archive read from the file (its thumbnail, size in pixels, EXIF
-- date and position), shown until a reader works it out itself.
CREATE TABLE terrovane.attachments (
    key text PRIMARY KEY,
    owner_kind text NOT NULL CHECK (owner_kind IN ('site', 'point', 'result')),
    owner_ref text NOT NULL,
    digest text NOT NULL REFERENCES terrovane.files,
    file_kind text NOT NULL CHECK (file_kind IN ('jpeg', 'png', 'pdf')),
    site uuid,
    name text NOT NULL,
    caption text NOT NULL DEFAULT '',
    chosen boolean NOT NULL DEFAULT false,
    meta jsonb NOT NULL DEFAULT '{}',
    thumbnail bytea,
    added_by name NOT NULL DEFAULT session_user,
    changed_by name NOT NULL DEFAULT session_user,
    changed_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX attachments_site ON terrovane.attachments (site);
CREATE INDEX attachments_digest ON terrovane.attachments (digest);

-- A report's number and revision are the team's: a revision is kept once and never replaced.
CREATE TABLE terrovane.issued_reports (
    number text NOT NULL CHECK (number <> ''),
    revision integer NOT NULL CHECK (revision >= 1),
    site uuid NOT NULL,
    site_name text NOT NULL,
    issued_on text NOT NULL,
    issued_by text NOT NULL,
    language text NOT NULL,
    digest text NOT NULL REFERENCES terrovane.files,
    kept_by name NOT NULL DEFAULT session_user,
    kept_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (number, revision)
);
CREATE INDEX issued_reports_site ON terrovane.issued_reports (site);
CREATE INDEX issued_reports_digest ON terrovane.issued_reports (digest);

DO $$
DECLARE
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
BEGIN
    EXECUTE format('ALTER TABLE terrovane.files OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.file_uploads OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.attachments OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.issued_reports OWNER TO %I', api);
END
$$;
