-- The team schema as `team init` made it at layout 9 (commit b118c3d).
SET LOCAL client_min_messages = warning;
-- Layout 1: the team's tables as the first team servers had them. Every later step changes them in place,
-- so a server of any layout is brought forward by running the steps after its own.
CREATE SCHEMA terrovane;

CREATE TABLE terrovane.meta (
    key text PRIMARY KEY,
    value text NOT NULL
);

CREATE TABLE terrovane.members (
    login name PRIMARY KEY,
    role text NOT NULL CHECK (role IN ('viewer', 'inspector', 'admin')),
    added_at timestamptz NOT NULL DEFAULT now(),
    added_by name NOT NULL DEFAULT session_user
);

CREATE TABLE terrovane.member_sites (
    login name NOT NULL REFERENCES terrovane.members ON DELETE CASCADE,
    site uuid NOT NULL,
    PRIMARY KEY (login, site)
);

-- Every site the server has heard of and who brought it. Rights are judged against this table, which
-- row-level security does not filter, so an inspector's new site is told apart from one not theirs.
CREATE TABLE terrovane.known_sites (
    id uuid PRIMARY KEY,
    created_by name NOT NULL,
    created_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE terrovane.fields (
    kind text NOT NULL CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit',
                                       'soil_model', 'fop_curve')),
    id uuid NOT NULL,
    field text NOT NULL CHECK (field <> ''),
    site uuid,
    value jsonb,
    stamp text COLLATE "C" NOT NULL CHECK (stamp ~ '^[0-9]{15}-[0-9]{5}-.+$'),
    device uuid,
    changed_by name NOT NULL DEFAULT session_user,
    PRIMARY KEY (kind, id, field)
);
CREATE INDEX fields_site ON terrovane.fields (site);

CREATE TABLE terrovane.content (
    kind text NOT NULL CHECK (kind IN ('readout', 'result', 'analysis')),
    key text NOT NULL CHECK (key <> ''),
    site uuid,
    body jsonb NOT NULL,
    added_by name NOT NULL DEFAULT session_user,
    added_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (kind, key)
);

-- A value that lost to a later stamp while it was made against another base: kept for the people to
-- choose, never dropped.
CREATE TABLE terrovane.conflicts (
    seq bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    kind text NOT NULL,
    id uuid NOT NULL,
    field text NOT NULL,
    site uuid,
    kept_value jsonb,
    kept_stamp text COLLATE "C" NOT NULL,
    kept_by name NOT NULL DEFAULT session_user,
    lost_value jsonb,
    lost_stamp text COLLATE "C" NOT NULL,
    lost_by name NOT NULL DEFAULT session_user,
    noted_at timestamptz NOT NULL DEFAULT now(),
    resolved_by name,
    resolved_at timestamptz
);

-- Each device's batches with the answer given, so a batch sent again gets the same answer and is not
-- applied twice, and a batch after a gap is refused.
CREATE TABLE terrovane.batches (
    device uuid NOT NULL,
    batch bigint NOT NULL CHECK (batch > 0),
    login name NOT NULL DEFAULT session_user,
    answer jsonb NOT NULL,
    applied_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (device, batch)
);

CREATE TABLE terrovane.audit (
    seq bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    at timestamptz NOT NULL DEFAULT clock_timestamp(),
    login name NOT NULL DEFAULT session_user,
    device text DEFAULT nullif(current_setting('terrovane.device', true), ''),
    action text NOT NULL,
    kind text NOT NULL,
    id text NOT NULL,
    field text,
    old_value jsonb,
    new_value jsonb
);

-- Every change, in the order a reader is handed them.
CREATE TABLE terrovane.changes (
    seq bigint GENERATED ALWAYS AS IDENTITY,
    xid xid8 NOT NULL DEFAULT pg_current_xact_id(),
    source text NOT NULL CHECK (source IN ('field', 'content', 'conflict')),
    kind text NOT NULL,
    id text NOT NULL,
    field text,
    site uuid,
    PRIMARY KEY (xid, seq)
);

-- Layout 2: stored analyses' grid assessments are shared too.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment'));

-- Layout 3: read-out images arrive as bytes. Two programs both called their server layout 2 (one shared
-- grid assessments, the other stored images with lz4); layout 3 is both, whichever 2 a server came from.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment'));

-- A first sync brings thousands of read-out images at once: lz4 stores them several times faster than
-- the default compression, where the server has it.
DO $$
BEGIN
    ALTER TABLE terrovane.content ALTER COLUMN body SET COMPRESSION lz4;
EXCEPTION WHEN feature_not_supported THEN
    NULL;
END
$$;

-- Layout 4: the server decides. Members reach the tables only through the functions (owned by a role
-- that cannot sign in), sites are fixed by the server, devices belong to a login, the change log is in
-- commit order.

-- The functions and policies of earlier layouts go: they resolved names through the caller's path, took
-- the client's word for sites and let members write the tables. The functions' files make them anew.
DO $$
DECLARE
    old record;
BEGIN
    FOR old IN SELECT p.oid::regprocedure AS signature FROM pg_catalog.pg_proc p
               WHERE p.pronamespace = 'terrovane'::regnamespace LOOP
        EXECUTE format('DROP FUNCTION %s CASCADE', old.signature);
    END LOOP;
    FOR old IN SELECT policyname, tablename FROM pg_catalog.pg_policies WHERE schemaname = 'terrovane' LOOP
        EXECUTE format('DROP POLICY %I ON terrovane.%I', old.policyname, old.tablename);
    END LOOP;
END
$$;

-- Sites as the server sees them: a site's rows are its own, a point's rows its site's, an assignment's
-- and a result's note the site of the point the result is assigned to. Earlier layouts took the client's
-- word; the rows are placed again here.
UPDATE terrovane.fields SET site = id WHERE kind = 'site' AND site IS DISTINCT FROM id;
UPDATE terrovane.fields f SET site = (p.value #>> '{}')::uuid
    FROM terrovane.fields p
    WHERE f.kind = 'point' AND p.kind = 'point' AND p.id = f.id AND p.field = 'site'
      AND p.value #>> '{}' ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
      AND f.site IS DISTINCT FROM (p.value #>> '{}')::uuid;
UPDATE terrovane.fields f SET site = placed.site
    FROM (SELECT a.id, (SELECT s.site FROM terrovane.fields s
                        WHERE s.kind = 'point' AND s.field = 'site' AND s.id::text = a.value #>> '{}') AS site
          FROM terrovane.fields a WHERE a.kind = 'assignment' AND a.field = 'point') placed
    WHERE f.kind = 'assignment' AND f.id = placed.id AND f.site IS DISTINCT FROM placed.site;
UPDATE terrovane.fields f SET site = placed.site
    FROM (SELECT n.id, (SELECT a.site FROM terrovane.fields a
                        WHERE a.kind = 'assignment' AND a.field = 'result'
                          AND 'result:' || (a.value #>> '{}') = n.value #>> '{}' LIMIT 1) AS site
          FROM terrovane.fields n WHERE n.kind = 'note' AND n.field = 'target') placed
    WHERE f.kind = 'note' AND f.id = placed.id AND f.site IS DISTINCT FROM placed.site;
UPDATE terrovane.content SET site = NULL WHERE kind = 'readout' AND site IS NOT NULL;
CREATE INDEX fields_assigned_result ON terrovane.fields (value)
    WHERE kind = 'assignment' AND field = 'result';

-- Which stored result is in which slot of which read-out, worked out by the server from the image (a
-- slot's result is the digest of its 72 bytes): a read-out is shown to the members of the sites its
-- results are assigned to, slot by slot.
-- One row per slot of a read-out as it arrives (a read-out arrives once): no key of its own, which would
-- cost a first sync more than the rows themselves.
CREATE TABLE terrovane.readout_results (
    readout text NOT NULL,
    slot integer NOT NULL CHECK (slot BETWEEN 0 AND 99),
    result text NOT NULL
);
CREATE INDEX readout_results_readout ON terrovane.readout_results (readout);
CREATE INDEX readout_results_result ON terrovane.readout_results (result);
INSERT INTO terrovane.readout_results (readout, slot, result)
    SELECT c.key, s.slot, encode(sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)), 'hex')
    FROM terrovane.content c
    CROSS JOIN LATERAL (SELECT decode(c.body->>'image', 'hex') AS image OFFSET 0) i
    CROSS JOIN generate_series(0, 99) AS s(slot)
    WHERE c.kind = 'readout' AND length(c.body->>'image') = 14400 AND c.body->>'image' ~ '^[0-9a-fA-F]*$'
      AND get_byte(i.image, s.slot * 72 + 67) = 85;

-- Each archive's device belongs to the login that first synced it; the batches it sent so far name it.
CREATE TABLE terrovane.devices (
    device uuid PRIMARY KEY,
    login name NOT NULL,
    registered_at timestamptz NOT NULL DEFAULT now()
);
INSERT INTO terrovane.devices (device, login)
    SELECT DISTINCT ON (device) device, login FROM terrovane.batches ORDER BY device, applied_at, batch;
-- A batch's digest tells the same batch sent again from another batch of the same number (a copied or
-- restored archive). Batches of earlier layouts have none and are taken as the same.
ALTER TABLE terrovane.batches ADD COLUMN digest text;

-- The change log in commit order: writers take one lock before they log, so a reader that sees number N
-- has seen every number below it, whatever else runs on the server. The rows of earlier layouts keep the
-- order their pull handed them out in; their (xid, seq) cursors are translated once.
ALTER TABLE terrovane.changes ADD COLUMN ord bigint, ADD COLUMN for_login name;
UPDATE terrovane.changes c SET ord = n.ord
    FROM (SELECT xid, seq, row_number() OVER (ORDER BY xid, seq) AS ord FROM terrovane.changes) n
    WHERE c.xid = n.xid AND c.seq = n.seq;
CREATE SEQUENCE terrovane.change_order OWNED BY terrovane.changes.ord;
SELECT setval('terrovane.change_order', coalesce(max(ord), 0) + 1, false) FROM terrovane.changes;
ALTER TABLE terrovane.changes ALTER COLUMN ord SET DEFAULT nextval('terrovane.change_order'),
    ALTER COLUMN ord SET NOT NULL;
CREATE UNIQUE INDEX changes_ord ON terrovane.changes (ord);
INSERT INTO terrovane.meta (key, value)
    SELECT 'old_cursors_until', coalesce(max(ord), 0)::text FROM terrovane.changes
    ON CONFLICT (key) DO NOTHING;

-- The role that owns the tables and the functions. Nobody signs in as it; the database's owner is its
-- member to build and upgrade the schema.
DO $$
DECLARE
    api name := left(current_database(), 50) || '_api';
    rel record;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles WHERE rolname = api) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', api);
    END IF;
    EXECUTE format('GRANT %I TO %I', api, current_user);
    EXECUTE format('GRANT USAGE, CREATE ON SCHEMA terrovane TO %I', api);
    INSERT INTO terrovane.meta (key, value) VALUES ('api_role', api)
        ON CONFLICT (key) DO UPDATE SET value = EXCLUDED.value;
    FOR rel IN SELECT c.oid::regclass AS name FROM pg_catalog.pg_class c
               WHERE c.relnamespace = 'terrovane'::regnamespace AND c.relkind = 'r' LOOP
        EXECUTE format('ALTER TABLE %s OWNER TO %I', rel.name, api);
    END LOOP;
END
$$;

-- Layout 5: a first sync and a member's pull cost what their rows cost.

-- Which result is in which slot of a read-out: one row per read-out with its slots' digests (bytes, NULL
-- for an empty slot) in slot order, found by a result's digest through one inverted index. One row per
-- slot with two indexes of hex text cost a first sync several times more than the read-outs themselves.
CREATE TABLE terrovane.readout_slots (
    readout text PRIMARY KEY,
    results bytea[] NOT NULL CHECK (cardinality(results) = 100)
);
-- Digests do not compress: stored as they are, without trying.
ALTER TABLE terrovane.readout_slots ALTER COLUMN results SET STORAGE EXTERNAL;
CREATE INDEX readout_slots_results ON terrovane.readout_slots USING gin (results);
INSERT INTO terrovane.readout_slots (readout, results)
    SELECT c.key,
           (SELECT array_agg(CASE WHEN get_byte(i.image, s.slot * 72 + 67) = 85
                                  THEN sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)) END ORDER BY s.slot)
            FROM generate_series(0, 99) AS s(slot))
    FROM terrovane.content c
    CROSS JOIN LATERAL (SELECT decode(c.body->>'image', 'hex') AS image OFFSET 0) i
    WHERE c.kind = 'readout' AND length(c.body->>'image') = 14400 AND c.body->>'image' ~ '^[0-9a-fA-F]*$';
DROP TABLE terrovane.readout_results;

-- The sites each read-out is seen in (a result of it is assigned to a point of the site), kept as the
-- assignments change: a member's pull asks one row per read-out instead of working out every read-out
-- of its sites again for each page.
CREATE TABLE terrovane.readout_sites (
    readout text NOT NULL,
    site uuid NOT NULL,
    PRIMARY KEY (readout, site)
);
CREATE INDEX readout_sites_site ON terrovane.readout_sites (site);
INSERT INTO terrovane.readout_sites (readout, site)
    SELECT DISTINCT s.readout, a.site
    FROM terrovane.fields a
    JOIN terrovane.readout_slots s ON s.results @> ARRAY[decode(a.value #>> '{}', 'hex')]
    WHERE a.kind = 'assignment' AND a.field = 'result' AND a.site IS NOT NULL
      AND a.value #>> '{}' ~ '^[0-9a-f]{64}$';

-- A member's pull passes over the rows logged for sites not theirs. Rows logged before layout 4 carry the
-- site a client claimed, and the server placed things anew without logging them again: each such row
-- takes the site its thing has now.
UPDATE terrovane.changes c SET site = f.site
    FROM terrovane.fields f
    WHERE c.source = 'field' AND f.kind = c.kind AND f.id::text = c.id AND f.field = c.field
      AND c.for_login IS NULL AND c.site IS DISTINCT FROM f.site;
UPDATE terrovane.changes c SET site = k.site
    FROM terrovane.content k
    WHERE c.source = 'content' AND c.kind = 'analysis' AND k.kind = c.kind AND k.key = c.id
      AND c.site IS DISTINCT FROM k.site;
UPDATE terrovane.changes c SET site = x.site
    FROM terrovane.conflicts x
    WHERE c.source = 'conflict' AND x.seq::text = c.id AND c.site IS DISTINCT FROM x.site;

DO $$
DECLARE
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
BEGIN
    EXECUTE format('ALTER TABLE terrovane.readout_slots OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.readout_sites OWNER TO %I', api);
END
$$;

-- Layout 6: the firm's profile, one for the whole team, and report numbers counted per prefix and year.

-- One row: the profile's fields as an object, the logo's bytes apart, and a version every change counts
-- up, so a member fetches the logo only when it changed.
CREATE TABLE terrovane.firm_profile (
    id integer PRIMARY KEY CHECK (id = 1),
    profile jsonb NOT NULL,
    logo bytea,
    version bigint NOT NULL,
    changed_by name NOT NULL,
    changed_at timestamptz NOT NULL DEFAULT now()
);

-- The last number issued per prefix and year; a row is counted up under its lock, so two members never
-- receive the same number.
CREATE TABLE terrovane.report_numbers (
    prefix text NOT NULL,
    year integer NOT NULL,
    last bigint NOT NULL CHECK (last >= 1),
    issued_by name NOT NULL,
    PRIMARY KEY (prefix, year)
);

DO $$
DECLARE
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
BEGIN
    EXECUTE format('ALTER TABLE terrovane.firm_profile OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.report_numbers OWNER TO %I', api);
END
$$;

-- Layout 7: the visits of a site. A visit is a thing of its own whose `site` field places it, as a point's
-- does; a result's visit is one more field of its assignment, which the site of its point places.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment', 'visit'));

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

-- Layout 8: results, traverses and soundings typed in by hand. Each version of a typed result is a thing of
-- its own that its point places (none while it has no point), a traverse is placed by its point and a
-- sounding by its site.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment', 'visit', 'typed_result', 'typed_traverse', 'typed_sounding'));

DO $$ BEGIN EXECUTE format('SET LOCAL ROLE %I', (SELECT value FROM terrovane.meta WHERE key = 'api_role')); END $$;
-- Who may read and write what, and the checks every way in shares. Each function names every object by its
-- schema and runs with a fixed path: a name is never looked up where a member could have put something.

CREATE OR REPLACE FUNCTION terrovane.layout() RETURNS integer
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT value::integer FROM terrovane.meta WHERE key = 'layout' $$;

-- A client of another layout must not read or write: the answer says which side to update.
CREATE OR REPLACE FUNCTION terrovane.require_layout(client_layout integer) RETURNS void
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    server_layout integer := terrovane.layout();
BEGIN
    IF client_layout IS DISTINCT FROM server_layout THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('the team server''s layout is %s, this program''s %s: %s', server_layout,
                             client_layout, CASE WHEN client_layout < server_layout THEN 'update this program'
                                                 ELSE 'the office runs "terrovane-cli team upgrade"' END);
    END IF;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.role_of(who name) RETURNS text
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT role FROM terrovane.members WHERE login = who $$;

-- The member's role, or an error for a login outside the team.
CREATE OR REPLACE FUNCTION terrovane.member_role() RETURNS text
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_role text := terrovane.role_of(session_user);
BEGIN
    IF found_role IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'not a member of the team';
    END IF;
    RETURN found_role;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.sites_of(who name) RETURNS uuid[]
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT coalesce(array_agg(site ORDER BY site), '{}') FROM terrovane.member_sites WHERE login = who $$;

-- Reading: admins everything; others the sites they are members of, and what belongs to no site only
-- when they made it themselves.
CREATE OR REPLACE FUNCTION terrovane.may_read(member_role text, member_sites uuid[], who name, row_site uuid,
                                              row_author name) RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT member_role = 'admin' OR (row_site IS NOT NULL AND row_site = ANY (member_sites))
           OR (row_site IS NULL AND row_author = who)
$$;

-- Writing: admins everything; inspectors their sites and what belongs to no site; viewers nothing.
CREATE OR REPLACE FUNCTION terrovane.may_write(member_role text, member_sites uuid[], row_site uuid)
RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT member_role = 'admin'
           OR (member_role = 'inspector' AND (row_site IS NULL OR row_site = ANY (member_sites)))
$$;

CREATE OR REPLACE FUNCTION terrovane.now_millis() RETURNS bigint
LANGUAGE sql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$ SELECT (extract(epoch FROM clock_timestamp()) * 1000)::bigint $$;

-- "001733745600123-00002-<device>". A stamp more than five minutes ahead of the server's clock is brought
-- back to the server's clock: a laptop (or a member) whose clock runs ahead must not win every later edit
-- and drag every PC's clock after it.
CREATE OR REPLACE FUNCTION terrovane.clamped_stamp(stamp text) RETURNS text
LANGUAGE plpgsql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    limit_millis bigint := terrovane.now_millis() + 300000;
BEGIN
    IF stamp IS NULL OR stamp !~* '^[0-9]{15}-[0-9]{5}-[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
    THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a change stamp';
    END IF;
    IF left(stamp, 15)::bigint > limit_millis THEN
        RETURN lpad(terrovane.now_millis()::text, 15, '0') || substr(stamp, 16);
    END IF;
    RETURN stamp;
END
$$;

-- A content key is the digest's hex, nothing else.
CREATE OR REPLACE FUNCTION terrovane.is_content_key(key text) RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$ SELECT key IS NOT NULL AND key ~ '^[0-9a-f]{64}$' $$;

CREATE OR REPLACE FUNCTION terrovane.as_uuid(text_value text) RETURNS uuid
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE WHEN text_value ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
                THEN text_value::uuid END
$$;

-- Writers of the change log take this lock first and keep it to their commit, so the log's numbers are
-- handed out in commit order. The lock is the team database's own: nothing else on the server takes it.
CREATE OR REPLACE FUNCTION terrovane.lock_change_log() RETURNS void
LANGUAGE sql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$ SELECT pg_catalog.pg_advisory_xact_lock(pg_catalog.hashtextextended('terrovane.changes', 0)) $$;

-- The site a stored result is assigned to, as the server holds it.
CREATE OR REPLACE FUNCTION terrovane.result_site(result_key text) RETURNS uuid
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT site FROM terrovane.fields
    WHERE kind = 'assignment' AND field = 'result' AND value = to_jsonb(result_key) LIMIT 1
$$;

-- Every change is logged in commit order (the writers' lock), with the audit's who, which device, when, and
-- the old and new value. A member given a site later gets that site's history logged again for them alone.

-- A result assigned to a point of a site (or moved away from one): the read-outs holding it are seen
-- in that site from now on, and are news for its members, also those who hold them already with this
-- result's slot blank. A read-out stays seen in the old site while another of its results is assigned there.
-- The slots' rows are small in their table (the digests live out of line), so the planner would read them
-- all for each result, unpacking every read-out's digests, rather than ask the index.
CREATE OR REPLACE FUNCTION terrovane.see_readouts(result_key text, old_site uuid, new_site uuid) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp SET enable_seqscan = off
AS $$
DECLARE
    digest bytea[] := ARRAY[decode(result_key, 'hex')];
BEGIN
    IF old_site IS NOT NULL AND old_site IS DISTINCT FROM new_site THEN
        DELETE FROM terrovane.readout_sites v
            USING terrovane.readout_slots s
            WHERE s.results @> digest AND v.readout = s.readout AND v.site = old_site
              AND NOT EXISTS (SELECT 1 FROM pg_catalog.unnest(s.results) AS d(held)
                              JOIN terrovane.fields a ON a.kind = 'assignment' AND a.field = 'result'
                                                     AND a.value = pg_catalog.to_jsonb(encode(d.held, 'hex'))
                              WHERE d.held IS NOT NULL AND a.site = old_site);
    END IF;
    IF new_site IS NULL OR old_site IS NOT DISTINCT FROM new_site THEN
        RETURN;
    END IF;
    INSERT INTO terrovane.readout_sites (readout, site)
        SELECT s.readout, new_site FROM terrovane.readout_slots s WHERE s.results @> digest
        ON CONFLICT DO NOTHING;
    -- The news names the result: an archive that holds it already has nothing to fill in.
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        SELECT 'content', 'readout', s.readout, result_key, new_site
        FROM terrovane.readout_slots s WHERE s.results @> digest;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.log_field() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        VALUES ('field', NEW.kind, NEW.id::text, NEW.field, NEW.site);
    INSERT INTO terrovane.audit (action, kind, id, field, old_value, new_value)
        VALUES (lower(TG_OP), NEW.kind, NEW.id::text, NEW.field,
                CASE WHEN TG_OP = 'UPDATE' THEN OLD.value END, NEW.value);
    IF NEW.kind = 'assignment' AND NEW.field = 'result' AND terrovane.is_content_key(NEW.value #>> '{}') THEN
        PERFORM terrovane.see_readouts(NEW.value #>> '{}', CASE WHEN TG_OP = 'UPDATE' THEN OLD.site END, NEW.site);
    END IF;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER fields_logged AFTER INSERT OR UPDATE ON terrovane.fields
    FOR EACH ROW EXECUTE FUNCTION terrovane.log_field();

-- Content comes in thousands at a time (a first sync): logged, audited and its read-outs' slots worked out
-- once per statement.
CREATE OR REPLACE FUNCTION terrovane.log_content() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, site) SELECT 'content', kind, key, site FROM added;
    -- The content itself never changes and stays in its table: the audit names it by its key.
    INSERT INTO terrovane.audit (action, kind, id) SELECT 'insert', kind, key FROM added;
    -- Each slot's digest, a row per read-out; decoded once per read-out (OFFSET 0 keeps the planner from
    -- doing it again for every slot).
    INSERT INTO terrovane.readout_slots (readout, results)
        SELECT a.key,
               (SELECT array_agg(CASE WHEN get_byte(i.image, s.slot * 72 + 67) = 85
                                      THEN sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)) END ORDER BY s.slot)
                FROM generate_series(0, 99) AS s(slot))
        FROM added a
        CROSS JOIN LATERAL (SELECT decode(a.body->>'image', 'hex') AS image OFFSET 0) i
        WHERE a.kind = 'readout' AND length(i.image) = 7200;
    -- Results assigned before their read-out arrived (an assignment of the same batch goes in first, or
    -- another archive sent it): the read-out is seen in their sites from the start.
    INSERT INTO terrovane.readout_sites (readout, site)
        SELECT DISTINCT s.readout, f.site
        FROM added a
        JOIN terrovane.readout_slots s ON s.readout = a.key
        CROSS JOIN LATERAL pg_catalog.unnest(s.results) AS d(held)
        JOIN terrovane.fields f ON f.kind = 'assignment' AND f.field = 'result'
                               AND f.value = pg_catalog.to_jsonb(encode(d.held, 'hex'))
        WHERE a.kind = 'readout' AND d.held IS NOT NULL AND f.site IS NOT NULL
        ON CONFLICT DO NOTHING;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER content_logged AFTER INSERT ON terrovane.content
    REFERENCING NEW TABLE AS added FOR EACH STATEMENT EXECUTE FUNCTION terrovane.log_content();

-- A conflict is news for every member who may read its site; so is its settling.
CREATE OR REPLACE FUNCTION terrovane.log_conflict() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        VALUES ('conflict', NEW.kind, NEW.seq::text, NEW.field, NEW.site);
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER conflicts_logged AFTER INSERT OR UPDATE OF resolved_at ON terrovane.conflicts
    FOR EACH ROW EXECUTE FUNCTION terrovane.log_conflict();

-- Everything of one site (all sites: NULL) logged again for one login, after everything it pulled so
-- far: a member given a site later receives its whole history with the next sync.
CREATE OR REPLACE FUNCTION terrovane.catch_up(who name, for_site uuid) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    -- A login that never synced (no device of its own yet) pulls the whole log from its start, these rows
    -- among it: logging them again for it would hand each of them out twice.
    IF NOT EXISTS (SELECT 1 FROM terrovane.devices d WHERE d.login = who) THEN
        RETURN;
    END IF;
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site, for_login)
        SELECT 'field', f.kind, f.id::text, f.field, f.site, who FROM terrovane.fields f
        WHERE for_site IS NULL OR f.site = for_site
        ORDER BY CASE f.kind WHEN 'site' THEN 0 WHEN 'point' THEN 1 WHEN 'visit' THEN 2 WHEN 'assignment' THEN 3
                             ELSE 4 END;
    -- A login made an admin may hold another's read-out with the slots of sites it could not see blank: a
    -- site it is seen in tells that archive to fetch it again and fill them in, as for a site given later.
    INSERT INTO terrovane.changes (source, kind, id, site, for_login)
        SELECT 'content', k.kind, k.key,
               CASE WHEN k.kind = 'readout' AND k.added_by <> who
                    THEN (SELECT v.site FROM terrovane.readout_sites v WHERE v.readout = k.key
                          ORDER BY v.site LIMIT 1)
                    ELSE k.site END,
               who
        FROM terrovane.content k
        WHERE for_site IS NULL OR (k.kind = 'analysis' AND k.site = for_site);
    -- The read-outs seen in the site.
    INSERT INTO terrovane.changes (source, kind, id, site, for_login)
        SELECT 'content', 'readout', v.readout, for_site, who FROM terrovane.readout_sites v
        WHERE for_site IS NOT NULL AND v.site = for_site;
    INSERT INTO terrovane.changes (source, kind, id, field, site, for_login)
        SELECT 'conflict', x.kind, x.seq::text, x.field, x.site, who FROM terrovane.conflicts x
        WHERE for_site IS NULL OR x.site = for_site;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.site_given() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF terrovane.role_of(NEW.login) = 'admin' THEN
        RETURN NULL;  -- sees everything already
    END IF;
    PERFORM terrovane.catch_up(NEW.login, NEW.site);
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER member_sites_catch_up AFTER INSERT ON terrovane.member_sites
    FOR EACH ROW EXECUTE FUNCTION terrovane.site_given();

CREATE OR REPLACE FUNCTION terrovane.role_given() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    -- A login made an admin (new to the team, taken out and back, or another role before) that synced
    -- before has a cursor past what it was not allowed to see (catch_up passes over one that never synced).
    IF NEW.role = 'admin' AND (TG_OP = 'INSERT' OR OLD.role <> 'admin') THEN
        PERFORM terrovane.catch_up(NEW.login, NULL);
    END IF;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER members_catch_up AFTER INSERT OR UPDATE OF role ON terrovane.members
    FOR EACH ROW EXECUTE FUNCTION terrovane.role_given();

-- Push: one batch of a device in one transaction. The server fixes every row's site from what it holds,
-- checks the caller's rights on it, clamps every stamp and checks every key; a change it refuses is
-- answered as rejected with the reason and the others go on.

-- The id a name stands for, as the archives make them (a version-5-like uuid of the name's digest).
CREATE OR REPLACE FUNCTION terrovane.derived_uuid(name_text text) RETURNS uuid
LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    digest bytea := sha256(convert_to(name_text, 'UTF8'));
BEGIN
    digest := set_byte(digest, 6, (get_byte(digest, 6) & 15) | 80);
    digest := set_byte(digest, 8, (get_byte(digest, 8) & 63) | 128);
    RETURN encode(substring(digest FROM 1 FOR 16), 'hex')::uuid;
END
$$;

-- A field's text as the server holds it, else as the same batch claims it (a new thing's fields come
-- together).
CREATE OR REPLACE FUNCTION terrovane.field_text(target_kind text, target_id uuid, target_field text, claims jsonb)
RETURNS text
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT coalesce((SELECT f.value #>> '{}' FROM terrovane.fields f
                     WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field),
                    claims #>> ARRAY[target_kind || ':' || target_id::text || ':' || target_field])
$$;

CREATE OR REPLACE FUNCTION terrovane.site_of_point(point_id uuid) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_site uuid;
BEGIN
    SELECT f.site INTO found_site FROM terrovane.fields f WHERE f.kind = 'point' AND f.id = point_id LIMIT 1;
    IF NOT FOUND THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the point is not on the server';
    END IF;
    RETURN found_site;
END
$$;

-- The site a visit belongs to, held on the server or claimed in the same batch (a new visit and the results
-- assigned to it come together).
CREATE OR REPLACE FUNCTION terrovane.site_of_visit(visit_id uuid, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_site uuid;
BEGIN
    SELECT f.site INTO found_site FROM terrovane.fields f WHERE f.kind = 'visit' AND f.id = visit_id LIMIT 1;
    IF NOT FOUND THEN
        found_site := terrovane.as_uuid(claims #>> ARRAY['visit:' || visit_id::text || ':site']);
    END IF;
    IF found_site IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the visit is not on the server';
    END IF;
    RETURN found_site;
END
$$;

-- The site a thing belongs to after this change, as the server sees it: a site is its own, a point and a
-- visit are their site's, an assignment the site of the point it names (and a result's visit must be of that
-- site), a result's note its assignment's site, a stored analysis the site of its content. What the client
-- says a row's site is counts for nothing.
CREATE OR REPLACE FUNCTION terrovane.site_after(target_kind text, target_id uuid, target_field text,
                                                new_value jsonb, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    named text;
    found_site uuid;
BEGIN
    CASE target_kind
    WHEN 'site' THEN
        RETURN target_id;
    WHEN 'point', 'visit' THEN
        named := CASE WHEN target_field = 'site' THEN new_value #>> '{}'
                      ELSE terrovane.field_text(target_kind, target_id, 'site', claims) END;
        found_site := terrovane.as_uuid(named);
        IF found_site IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('a %s needs its site', target_kind);
        END IF;
        IF NOT EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'site' AND f.id = found_site) THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = format('the %s''s site is not on the server', target_kind);
        END IF;
        -- A visit stays at the site it was made for: moving it would take its results' assignments along.
        IF target_kind = 'visit' AND EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'visit'
                                             AND f.id = target_id AND f.site IS DISTINCT FROM found_site) THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a visit stays at its site';
        END IF;
        RETURN found_site;
    WHEN 'assignment' THEN
        named := terrovane.field_text('assignment', target_id, 'result', claims);
        IF target_field = 'result' THEN
            named := new_value #>> '{}';
        END IF;
        IF NOT terrovane.is_content_key(named) OR terrovane.derived_uuid('assignment:result:' || named) <> target_id
        THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an assignment names its result by its key';
        END IF;
        named := CASE WHEN target_field = 'point' THEN new_value #>> '{}'
                      ELSE terrovane.field_text('assignment', target_id, 'point', claims) END;
        IF named IS NULL THEN
            found_site := NULL;  -- not assigned: its sender's and the admins'
        ELSIF terrovane.as_uuid(named) IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an assignment names its point by its id';
        ELSE
            found_site := terrovane.site_of_point(terrovane.as_uuid(named));
        END IF;
        IF target_field = 'visit' AND jsonb_typeof(new_value) <> 'null' THEN
            IF terrovane.as_uuid(new_value #>> '{}') IS NULL THEN
                RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an assignment names its visit by its id';
            END IF;
            IF terrovane.site_of_visit(terrovane.as_uuid(new_value #>> '{}'), claims) IS DISTINCT FROM found_site THEN
                RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a result''s visit is of its point''s site';
            END IF;
        END IF;
        RETURN found_site;
    WHEN 'note' THEN
        named := CASE WHEN target_field = 'target' THEN new_value #>> '{}'
                      ELSE terrovane.field_text('note', target_id, 'target', claims) END;
        IF named IS NULL OR terrovane.derived_uuid('note:' || named) <> target_id
           OR NOT (named ~ '^(result|readout):[0-9a-f]{64}$') THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a note names a result or a read-out by its key';
        END IF;
        IF named LIKE 'result:%' THEN
            RETURN terrovane.result_site(substr(named, 8));
        END IF;
        RETURN NULL;  -- a read-out's note: its writer's and the admins'
    WHEN 'typed_result', 'typed_traverse', 'typed_sounding' THEN
        RETURN terrovane.site_of_typed(target_kind, target_id, target_field, new_value, claims);
    WHEN 'soil_model', 'fop_curve', 'grid_assessment' THEN
        SELECT k.site INTO found_site FROM terrovane.content k
            WHERE k.kind = 'analysis' AND k.body->>'uuid' = target_id::text LIMIT 1;
        IF NOT FOUND THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the analysis is not on the server';
        END IF;
        RETURN found_site;
    ELSE
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a kind of thing the team shares';
    END CASE;
END
$$;

-- A thing moved to another site takes what belongs to it along: a point its assignments and the results
-- and traverses typed at it, an assignment its result's note.
CREATE OR REPLACE FUNCTION terrovane.place(target_kind text, target_id uuid, new_site uuid) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    follower record;
BEGIN
    UPDATE terrovane.fields SET site = new_site
        WHERE kind = target_kind AND id = target_id AND site IS DISTINCT FROM new_site;
    IF target_kind = 'point' THEN
        FOR follower IN SELECT a.kind, a.id FROM terrovane.fields a
                        WHERE a.kind IN ('assignment', 'typed_result', 'typed_traverse') AND a.field = 'point'
                          AND a.value = to_jsonb(target_id::text) LOOP
            PERFORM terrovane.place(follower.kind, follower.id, new_site);
        END LOOP;
    ELSIF target_kind = 'assignment' THEN
        FOR follower IN SELECT n.id FROM terrovane.fields r
                        JOIN terrovane.fields n ON n.kind = 'note' AND n.field = 'target'
                                                AND n.value = to_jsonb('result:' || (r.value #>> '{}'))
                        WHERE r.kind = 'assignment' AND r.id = target_id AND r.field = 'result' LOOP
            PERFORM terrovane.place('note', follower.id, new_site);
        END LOOP;
    END IF;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.apply_field(change jsonb, from_device uuid, claims jsonb) RETURNS text
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    who name := session_user;
    member text := terrovane.member_role();
    sites uuid[] := terrovane.sites_of(session_user);
    target_kind text := change->>'kind';
    target_id uuid := terrovane.as_uuid(change->>'id');
    target_field text := change->>'field';
    new_value jsonb := coalesce(change->'value', 'null'::jsonb);
    incoming text := terrovane.clamped_stamp(change->>'stamp');
    base text := change->>'base';
    held_site uuid;
    held boolean;
    new_site uuid;
    current terrovane.fields;
BEGIN
    IF target_id IS NULL OR target_field IS NULL OR target_field !~ '^[a-z_]{1,40}$' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a field change names a thing by its id and a field';
    END IF;
    IF octet_length(new_value::text) > 65536 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'a field''s value is at most 64 kB';
    END IF;
    new_site := terrovane.site_after(target_kind, target_id, target_field, new_value, claims);
    SELECT f.site INTO held_site FROM terrovane.fields f WHERE f.kind = target_kind AND f.id = target_id LIMIT 1;
    held := FOUND;
    IF held AND NOT terrovane.may_write(member, sites, held_site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to change things of this site';
    END IF;
    -- What belongs to no site is its author's (and the admins').
    IF held AND held_site IS NULL AND member <> 'admin'
       AND EXISTS (SELECT 1 FROM terrovane.fields f
                   WHERE f.kind = target_kind AND f.id = target_id AND f.changed_by <> who) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to change what another member made';
    END IF;
    IF target_kind = 'site' AND NOT held AND member IN ('inspector', 'admin')
       AND NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = new_site) THEN
        -- A site the server has not heard of: the inspector's new site, which makes it its member.
        INSERT INTO terrovane.known_sites (id, created_by) VALUES (new_site, who);
        IF member = 'inspector' THEN
            INSERT INTO terrovane.member_sites (login, site) VALUES (who, new_site) ON CONFLICT DO NOTHING;
        END IF;
    ELSIF NOT terrovane.may_write(member, sites, new_site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to write into this site';
    END IF;
    SELECT * INTO current FROM terrovane.fields f
        WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field FOR UPDATE;
    IF NOT FOUND THEN
        INSERT INTO terrovane.fields (kind, id, field, site, value, stamp, device, changed_by)
            VALUES (target_kind, target_id, target_field, new_site, new_value, incoming, from_device, who);
        IF held AND held_site IS DISTINCT FROM new_site THEN
            PERFORM terrovane.place(target_kind, target_id, new_site);
        END IF;
        RETURN CASE WHEN incoming = change->>'stamp' THEN 'applied' ELSE 'clamped' END;
    END IF;
    IF incoming = current.stamp THEN
        RETURN 'known';
    END IF;
    IF incoming > current.stamp THEN
        UPDATE terrovane.fields f
            SET value = new_value, stamp = incoming, device = from_device, changed_by = who
            WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field;
        IF held_site IS DISTINCT FROM new_site THEN
            PERFORM terrovane.place(target_kind, target_id, new_site);
        END IF;
        IF base IS DISTINCT FROM current.stamp AND current.value IS DISTINCT FROM new_value THEN
            INSERT INTO terrovane.conflicts (kind, id, field, site, kept_value, kept_stamp, kept_by, lost_value,
                                             lost_stamp, lost_by)
                VALUES (target_kind, target_id, target_field, new_site, new_value, incoming, who,
                        current.value, current.stamp, current.changed_by);
        END IF;
        RETURN CASE WHEN incoming = change->>'stamp' THEN 'applied' ELSE 'clamped' END;
    END IF;
    IF current.value IS DISTINCT FROM new_value THEN
        INSERT INTO terrovane.conflicts (kind, id, field, site, kept_value, kept_stamp, kept_by, lost_value,
                                         lost_stamp, lost_by)
            VALUES (target_kind, target_id, target_field, current.site, current.value, current.stamp,
                    current.changed_by, new_value, incoming, who);
    END IF;
    RETURN 'superseded';
END
$$;

-- A read-out's image comes apart from the batch's JSON, as bytes in the push's array of images: the
-- change names it by its place there ("image": n). NULL when the change names no place.
CREATE OR REPLACE FUNCTION terrovane.image_place(change jsonb) RETURNS integer
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE WHEN jsonb_typeof(change->'image') = 'number' AND change->>'image' ~ '^[0-9]{1,6}$'
                THEN (change->>'image')::integer END
$$;

-- Whether a content change may go in, and as what: its body made whole and the site the server gives
-- it. A read-out's key must be the digest of its time, port and image; it belongs to no site (its
-- results' assignments place it). A stored analysis goes to the site of the point it is kept with, else
-- to the site its body names, and the sender must write there.
CREATE OR REPLACE FUNCTION terrovane.checked_content(change jsonb, picture bytea, member text, sites uuid[],
                                                    OUT problem_state text, OUT problem text,
                                                    OUT site uuid, OUT body jsonb)
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    content_key text := change->>'key';
    image bytea;
BEGIN
    IF member NOT IN ('inspector', 'admin') THEN
        problem_state := '42501';
        problem := 'no right to add read-outs or analyses';
        RETURN;
    END IF;
    IF NOT terrovane.is_content_key(content_key) THEN
        problem_state := '22023';
        problem := 'a content key is a digest in hex';
        RETURN;
    END IF;
    -- The read-out's body made whole: its JSON with the image in hex. A batch kept by an earlier version
    -- carries the image in its body already.
    body := CASE WHEN NOT change ? 'image' THEN change->'body'
                 WHEN picture IS NOT NULL THEN change->'body' || jsonb_build_object('image', encode(picture, 'hex'))
            END;
    IF body IS NULL OR jsonb_typeof(body) <> 'object' THEN
        problem_state := '22023';
        problem := 'the content''s body is missing';
        RETURN;
    END IF;
    IF octet_length(body::text) > 4194304 THEN
        problem_state := '54000';
        problem := 'a content''s body is at most 4 MB';
        RETURN;
    END IF;
    IF change->>'kind' = 'readout' THEN
        image := coalesce(picture,
                          CASE WHEN length(body->>'image') = 14400 AND body->>'image' ~ '^[0-9a-f]*$'
                               THEN decode(body->>'image', 'hex') END);
        IF image IS NULL OR length(image) <> 7200 OR body->>'read_at' IS NULL OR body->>'port' IS NULL
           OR encode(sha256(convert_to((body->>'read_at') || E'\n' || (body->>'port') || E'\n', 'UTF8') || image),
                     'hex') <> content_key THEN
            problem_state := '22023';
            problem := 'the key is not the read-out''s digest';
            RETURN;
        END IF;
        site := NULL;
        RETURN;
    END IF;
    IF change->>'kind' <> 'analysis' THEN
        problem_state := '22023';
        problem := 'content is a read-out or a stored analysis';
        RETURN;
    END IF;
    IF terrovane.as_uuid(body->>'uuid') IS NULL THEN
        problem_state := '22023';
        problem := 'an analysis names itself by its id';
        RETURN;
    END IF;
    IF terrovane.as_uuid(body->>'point') IS NOT NULL THEN
        SELECT f.site INTO site FROM terrovane.fields f
            WHERE f.kind = 'point' AND f.id = terrovane.as_uuid(body->>'point') LIMIT 1;
    ELSE
        SELECT f.site INTO site FROM terrovane.fields f
            WHERE f.kind = 'site' AND f.id = terrovane.as_uuid(body->>'site') LIMIT 1;
    END IF;
    IF site IS NULL THEN
        problem_state := '23503';
        problem := 'the analysis''s site or point is not on the server';
    ELSIF NOT terrovane.may_write(member, sites, site) THEN
        problem_state := '42501';
        problem := 'no right to write into this site';
    END IF;
END
$$;

-- One field change applied in a savepoint of its own: refused (rights, form, a constraint), it is answered
-- as rejected with the reason, and the batch goes on.
CREATE OR REPLACE FUNCTION terrovane.field_outcome(change jsonb, change_index integer, from_device uuid, claims jsonb)
RETURNS jsonb
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF change->>'type' IS DISTINCT FROM 'field' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a change is of type field or content';
    END IF;
    RETURN jsonb_build_object('index', change_index, 'outcome', terrovane.apply_field(change, from_device, claims));
EXCEPTION WHEN insufficient_privilege OR integrity_constraint_violation OR data_exception
               OR invalid_parameter_value OR invalid_text_representation OR program_limit_exceeded THEN
    RETURN jsonb_build_object('index', change_index, 'outcome', 'rejected', 'sqlstate', SQLSTATE, 'reason',
                              SQLERRM);
END
$$;

-- The answer: {"status": "applied", "batch": N, "changes": [{"index", "outcome", "sqlstate", "reason"}]},
-- {"status": "gap", "expected": N}, {"status": "layout", "server": N}, {"status": "other_login"} (the
-- device is another login's) or {"status": "copied"} (this number came before with other changes: a
-- copied or restored archive, which takes a new device id and sends its changes again); nothing is
-- applied but with "applied".
CREATE OR REPLACE FUNCTION terrovane.push(client_layout integer, from_device uuid, batch_number bigint,
                                          batch_changes jsonb, images bytea[] DEFAULT NULL)
RETURNS jsonb
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp SET work_mem = '64MB'
    SET lock_timeout = '60s'
AS $$
DECLARE
    who name := session_user;
    member text;
    sites uuid[];
    batch_digest text;
    stored record;
    expected bigint;
    claims jsonb;
    change jsonb;
    position integer;
    outcomes jsonb[] := '{}';
    added_outcomes jsonb[];
    answer jsonb;
BEGIN
    IF client_layout IS DISTINCT FROM terrovane.layout() THEN
        RETURN jsonb_build_object('status', 'layout', 'server', terrovane.layout());
    END IF;
    member := terrovane.member_role();
    sites := terrovane.sites_of(who);
    IF from_device IS NULL OR batch_number IS NULL OR batch_number < 1 OR jsonb_typeof(batch_changes) <> 'array'
    THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a batch is a device, a number and an array of changes';
    END IF;
    IF jsonb_array_length(batch_changes) > 20000 OR coalesce(cardinality(images), 0) > 5000 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'a batch holds at most 20000 changes and 5000 images';
    END IF;
    IF terrovane.device_owner(from_device) <> who THEN
        RETURN jsonb_build_object('status', 'other_login');
    END IF;
    -- One batch of a device at a time: a second copy waits for the first, then finds its answer. Then the
    -- change log's lock, taken here before any row so that pushes never wait for each other in a circle.
    PERFORM pg_advisory_xact_lock(hashtextextended('terrovane.device:' || from_device::text, 0));
    PERFORM terrovane.lock_change_log();
    batch_digest := encode(sha256(convert_to(
        (SELECT coalesce(jsonb_agg(c - 'body' - 'image' ORDER BY n), '[]')
         FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n))::text, 'UTF8')), 'hex');
    SELECT b.answer, b.digest INTO stored FROM terrovane.batches b
        WHERE b.device = from_device AND b.batch = batch_number;
    IF FOUND THEN
        IF stored.digest IS NULL OR stored.digest = batch_digest THEN
            RETURN stored.answer;
        END IF;
        RETURN jsonb_build_object('status', 'copied', 'batch', batch_number);
    END IF;
    SELECT coalesce(max(b.batch), 0) + 1 INTO expected FROM terrovane.batches b WHERE b.device = from_device;
    IF batch_number <> expected THEN
        RETURN jsonb_build_object('status', 'gap', 'expected', expected);
    END IF;
    PERFORM set_config('terrovane.device', from_device::text, true);
    -- Places first (a stored analysis goes to its point's site), then the content, then what refers to
    -- content (a stored analysis's deletion).
    SELECT coalesce(jsonb_object_agg((c->>'kind') || ':' || (c->>'id') || ':' || (c->>'field'), c->'value'), '{}')
        INTO claims
        FROM jsonb_array_elements(batch_changes) AS c
        WHERE c->>'type' = 'field' AND c->>'kind' IS NOT NULL AND c->>'id' IS NOT NULL AND c->>'field' IS NOT NULL;
    FOR change, position IN
        SELECT c, n - 1 FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        WHERE c->>'type' IS DISTINCT FROM 'content'
          AND coalesce(c->>'kind', '') <> ALL (ARRAY['soil_model', 'fop_curve', 'grid_assessment'])
    LOOP
        outcomes := outcomes || terrovane.field_outcome(change, position, from_device, claims);
    END LOOP;
    -- All the batch's content in one statement (a first sync brings thousands), each checked first.
    -- The images are gone through once: an element of an array of bytes is found by walking from its start.
    WITH pictures AS MATERIALIZED (
        SELECT u.n::integer AS place, u.picture FROM unnest(images) WITH ORDINALITY AS u(picture, n)),
    checked AS MATERIALIZED (
        SELECT e.n - 1 AS position, e.c, k.*
        FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        LEFT JOIN pictures p ON p.place = terrovane.image_place(e.c)
        CROSS JOIN LATERAL terrovane.checked_content(e.c, p.picture, member, sites) k
        WHERE e.c->>'type' = 'content'),
    added AS (
        INSERT INTO terrovane.content (kind, key, site, body, added_by)
            SELECT DISTINCT ON (c->>'kind', c->>'key') c->>'kind', c->>'key', checked.site, checked.body, who
            FROM checked WHERE problem IS NULL
            ON CONFLICT (kind, key) DO NOTHING
            RETURNING kind, key)
    SELECT coalesce(array_agg(jsonb_strip_nulls(jsonb_build_object(
               'index', checked.position,
               'outcome', CASE WHEN checked.problem IS NOT NULL THEN 'rejected'
                               WHEN a.key IS NOT NULL THEN 'applied'
                               ELSE 'known' END,
               'sqlstate', checked.problem_state, 'reason', checked.problem))), '{}')
        INTO added_outcomes
        FROM checked LEFT JOIN added a ON a.kind = checked.c->>'kind' AND a.key = checked.c->>'key';
    outcomes := outcomes || added_outcomes;
    FOR change, position IN
        SELECT c, n - 1 FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        WHERE c->>'type' IS DISTINCT FROM 'content'
          AND c->>'kind' = ANY (ARRAY['soil_model', 'fop_curve', 'grid_assessment'])
    LOOP
        outcomes := outcomes || terrovane.field_outcome(change, position, from_device, claims);
    END LOOP;
    answer := jsonb_build_object('status', 'applied', 'batch', batch_number, 'changes',
        (SELECT coalesce(jsonb_agg(o ORDER BY (o->>'index')::integer), '[]') FROM unnest(outcomes) AS o));
    INSERT INTO terrovane.batches (device, batch, login, answer, digest)
        VALUES (from_device, batch_number, who, answer, batch_digest);
    RETURN answer;
END
$$;

-- The login a device belongs to: the first that synced it.
CREATE OR REPLACE FUNCTION terrovane.device_owner(archive_device uuid) RETURNS name
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    owner_login name;
BEGIN
    INSERT INTO terrovane.devices (device, login) VALUES (archive_device, session_user)
        ON CONFLICT (device) DO NOTHING;
    SELECT d.login INTO owner_login FROM terrovane.devices d WHERE d.device = archive_device;
    RETURN owner_login;
END
$$;

-- Results, traverses and soundings typed in by hand: where the server places them, and what it lets
-- change. What was measured is written once: a typed result is corrected by a new version that names the
-- one it replaces, so the old one stays as it was, on every archive and in the log; only a result's or a
-- traverse's point, and a traverse's or a sounding's deletion, change later.
CREATE OR REPLACE FUNCTION terrovane.site_of_typed(target_kind text, target_id uuid, target_field text,
                                                   new_value jsonb, claims jsonb) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    owner_field text := CASE target_kind WHEN 'typed_sounding' THEN 'site' ELSE 'point' END;
    named text;
    found_site uuid;
BEGIN
    IF target_field NOT IN ('point', 'deleted')
       AND EXISTS (SELECT 1 FROM terrovane.fields f
                   WHERE f.kind = target_kind AND f.id = target_id AND f.field = target_field
                     AND f.value IS DISTINCT FROM new_value) THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = 'what was typed never changes; a correction is a new version';
    END IF;
    IF target_field = 'deleted' AND target_kind = 'typed_result' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a typed result is kept with its history';
    END IF;
    named := CASE WHEN target_field = owner_field THEN new_value #>> '{}'
                  ELSE terrovane.field_text(target_kind, target_id, owner_field, claims) END;
    IF named IS NULL AND target_kind = 'typed_result' THEN
        RETURN NULL;  -- at no point: its sender's and the admins'
    END IF;
    IF terrovane.as_uuid(named) IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('a %s names its %s by its id',
                                                                  replace(target_kind, '_', ' '), owner_field);
    END IF;
    IF owner_field = 'point' THEN
        RETURN terrovane.site_of_point(terrovane.as_uuid(named));
    END IF;
    found_site := terrovane.as_uuid(named);
    IF NOT EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'site' AND f.id = found_site) THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the sounding''s site is not on the server';
    END IF;
    -- A sounding stays at the site it was made at, as a visit does.
    IF EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = target_kind AND f.id = target_id
                                                AND f.site IS DISTINCT FROM found_site) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a sounding stays at its site';
    END IF;
    RETURN found_site;
END
$$;

-- Pull: the change log after a member's cursor, only what that member may read, in commit order. A
-- change's current value is handed out, not the one logged: a row moved to a site the member may not read
-- is not shown, nor who changed it.

-- A page walks the log in its order from the cursor and looks each row up by its keys until the page is
-- full: the planner, which cannot tell how few rows a member may read, would otherwise hash the whole of
-- the fields for every page of a member who sees a tenth of them.
CREATE OR REPLACE FUNCTION terrovane.pull(client_layout integer, after_ord bigint, page_size integer)
RETURNS TABLE (ord bigint, source text, kind text, id text, field text, site uuid, value jsonb, stamp text,
               changed_by name)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
    SET enable_hashjoin = off SET enable_mergejoin = off SET enable_seqscan = off
AS $$
#variable_conflict use_column
DECLARE
    who name := session_user;
    member text;
    sites uuid[];
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    member := terrovane.member_role();
    sites := terrovane.sites_of(who);
    RETURN QUERY
    SELECT c.ord, c.source, c.kind, c.id, c.field,
           -- A read-out belongs to no site; the site a read-out's news is for tells the member's archive to
           -- fill in the slots that became theirs.
           CASE c.source WHEN 'field' THEN f.site
               WHEN 'content' THEN CASE WHEN k.kind = 'readout' THEN c.site ELSE k.site END ELSE x.site END,
           CASE c.source WHEN 'field' THEN f.value WHEN 'content' THEN NULL
               ELSE jsonb_build_object('id', x.id, 'kept_value', x.kept_value, 'kept_stamp', x.kept_stamp,
                                       'kept_by', x.kept_by, 'lost_value', x.lost_value,
                                       'lost_stamp', x.lost_stamp, 'lost_by', x.lost_by,
                                       'noted_at', x.noted_at, 'resolved', x.resolved_at IS NOT NULL) END,
           f.stamp::text, f.changed_by
    FROM terrovane.changes c
    -- The rules of as_uuid and may_read written out: a function with a path of its own is called row by
    -- row, never folded into the query, and a pull goes through every row of the log.
    LEFT JOIN terrovane.fields f
        ON c.source = 'field' AND f.kind = c.kind AND f.field = c.field
       AND f.id = CASE WHEN c.id ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
                       THEN c.id::uuid END
    LEFT JOIN terrovane.content k ON c.source = 'content' AND k.kind = c.kind AND k.key = c.id
    LEFT JOIN terrovane.conflicts x
        ON c.source = 'conflict' AND x.seq = CASE WHEN c.id ~ '^[0-9]{1,18}$' THEN c.id::bigint END
    WHERE c.ord > after_ord AND (c.for_login IS NULL OR c.for_login = who)
      -- A row logged for another site is passed over without a look at what it names: when a thing moves
      -- to a site (with what belongs to it), each of its rows is logged again for the new site, so the
      -- members of that site find it among their own rows.
      AND (member = 'admin' OR c.site IS NULL OR c.site = ANY (sites) OR c.for_login IS NOT NULL)
      AND CASE c.source
          WHEN 'field' THEN f.kind IS NOT NULL
                            AND (member = 'admin' OR f.site = ANY (sites) OR (f.site IS NULL AND f.changed_by = who))
          WHEN 'content' THEN k.kind IS NOT NULL AND CASE k.kind
              -- A read-out as it arrived (or caught up for a late member): to the admins, its sender, and
              -- those one of whose sites it is seen in (a result of it is assigned to a point there).
              WHEN 'readout' THEN CASE WHEN c.site IS NULL OR c.for_login IS NOT NULL THEN
                      member = 'admin' OR k.added_by = who
                      OR EXISTS (SELECT 1 FROM terrovane.readout_sites v
                                 WHERE v.readout = c.id AND v.site = ANY (sites))
                  -- A result of it assigned to a site later: news for the site's members, who may hold it
                  -- with that slot blank; the admins and its sender hold it whole.
                  ELSE member <> 'admin' AND k.added_by <> who AND c.site = ANY (sites)
                       AND EXISTS (SELECT 1 FROM terrovane.readout_sites v WHERE v.readout = c.id AND v.site = c.site)
                  END
              ELSE terrovane.may_read(member, sites, who, k.site, k.added_by) END
          ELSE x.seq IS NOT NULL AND (terrovane.may_read(member, sites, who, x.site, x.kept_by)
                                      OR terrovane.may_read(member, sites, who, x.site, x.lost_by)) END
    ORDER BY c.ord
    LIMIT least(greatest(page_size, 1), 5000);
END
$$;

-- A cursor of an archive that pulled before layout 4, as (transaction, number): the position in the
-- log of commit order it stands for.
CREATE OR REPLACE FUNCTION terrovane.cursor_after(old_xid xid8, old_seq bigint) RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
    SELECT coalesce(max(c.ord), 0) FROM terrovane.changes c
    WHERE (c.xid, c.seq) <= (old_xid, old_seq)
      AND c.ord <= coalesce((SELECT m.value::bigint FROM terrovane.meta m WHERE m.key = 'old_cursors_until'), 0)
$$;

-- A read-out's image with every slot but the given ones blank, as an instrument's empty slot.
CREATE OR REPLACE FUNCTION terrovane.blanked_image(image_hex text, shown integer[]) RETURNS text
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT encode(string_agg(CASE WHEN s.slot = ANY (shown) THEN substring(i.image FROM s.slot * 72 + 1 FOR 72)
                                  ELSE decode(repeat('00', 72), 'hex') END, ''::bytea ORDER BY s.slot), 'hex')
    FROM (SELECT decode(image_hex, 'hex') AS image OFFSET 0) i
    CROSS JOIN generate_series(0, 99) AS s(slot)
$$;

-- The bodies of content the member may read, by key; at most 5000 keys, each a digest in hex.
CREATE OR REPLACE FUNCTION terrovane.bodies(client_layout integer, wanted text[])
RETURNS TABLE (kind text, key text, body jsonb)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_column
DECLARE
    who name := session_user;
    member text;
    sites uuid[];
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    member := terrovane.member_role();
    sites := terrovane.sites_of(who);
    IF coalesce(cardinality(wanted), 0) > 5000 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'at most 5000 bodies at once';
    END IF;
    -- A read-out goes whole to its sender and the admins; to others with the slots of results assigned
    -- to their sites only (none such: not at all).
    RETURN QUERY
    WITH shown AS MATERIALIZED (
        SELECT s.readout, array_agg(DISTINCT d.slot::integer - 1) AS slots
        FROM terrovane.readout_slots s
        CROSS JOIN LATERAL pg_catalog.unnest(s.results) WITH ORDINALITY AS d(held, slot)
        JOIN terrovane.fields a ON a.kind = 'assignment' AND a.field = 'result'
                               AND a.value = pg_catalog.to_jsonb(encode(d.held, 'hex'))
        WHERE member <> 'admin' AND s.readout = ANY (wanted) AND d.held IS NOT NULL AND a.site = ANY (sites)
        GROUP BY s.readout)
    SELECT k.kind, k.key,
           CASE WHEN k.kind = 'readout' AND k.body ? 'image' AND member <> 'admin' AND k.added_by <> who
                THEN jsonb_set(k.body, '{image}', to_jsonb(terrovane.blanked_image(k.body->>'image', v.slots)))
                ELSE k.body END
    FROM terrovane.content k
    LEFT JOIN shown v ON k.kind = 'readout' AND v.readout = k.key
    WHERE k.key = ANY (wanted) AND terrovane.is_content_key(k.key)
      AND CASE k.kind WHEN 'readout' THEN member = 'admin' OR k.added_by = who OR v.readout IS NOT NULL
                      ELSE terrovane.may_read(member, sites, who, k.site, k.added_by) END;
END
$$;

-- Membership, run by the database's owner through `team member add` and `team member remove`, and what a
-- member asks about itself. The login is made with the SCRAM verifier the client computed, so the password
-- itself never reaches the server.

CREATE OR REPLACE FUNCTION terrovane.team_role() RETURNS name
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$ SELECT value::name FROM terrovane.meta WHERE key = 'team_role' $$;

CREATE OR REPLACE FUNCTION terrovane.server_stamp() RETURNS text
LANGUAGE sql VOLATILE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT lpad(terrovane.now_millis()::text, 15, '0') || '-00000-' ||
           (SELECT value FROM terrovane.meta WHERE key = 'device')
$$;

-- A site given by its id or its name; a name the server does not know yet becomes a new site.
CREATE OR REPLACE FUNCTION terrovane.site_for_member(site_text text) RETURNS uuid
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    found_id uuid := terrovane.as_uuid(site_text);
BEGIN
    IF found_id IS NOT NULL THEN
        RETURN found_id;
    END IF;
    SELECT id INTO found_id FROM terrovane.fields
        WHERE kind = 'site' AND field = 'name' AND value = to_jsonb(site_text)
        ORDER BY stamp DESC LIMIT 1;
    IF FOUND THEN
        RETURN found_id;
    END IF;
    found_id := gen_random_uuid();
    INSERT INTO terrovane.known_sites (id, created_by) VALUES (found_id, session_user);
    INSERT INTO terrovane.fields (kind, id, field, site, value, stamp, changed_by)
        VALUES ('site', found_id, 'name', found_id, to_jsonb(site_text), terrovane.server_stamp(), session_user);
    RETURN found_id;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.add_member(member name, member_role text, verifier text, sites text[])
RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    existing pg_catalog.pg_roles;
    wanted uuid[];
BEGIN
    IF member_role IS NULL OR member_role NOT IN ('viewer', 'inspector', 'admin') THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('the role is viewer, inspector or admin, not %s', member_role);
    END IF;
    IF member = current_user OR member = session_user THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = 'the schema''s owner cannot be a member';
    END IF;
    SELECT * INTO existing FROM pg_catalog.pg_roles WHERE rolname = member;
    IF FOUND AND (existing.rolsuper OR existing.rolbypassrls) THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('%s is a superuser or passes by row-level security and cannot be a member', member);
    END IF;
    IF NOT FOUND AND verifier IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('%s is a new login and needs a password', member);
    ELSIF NOT FOUND THEN
        EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L', member, verifier);
    ELSIF verifier IS NOT NULL THEN
        EXECUTE format('ALTER ROLE %I PASSWORD %L', member, verifier);
    END IF;
    IF NOT pg_catalog.pg_has_role(member, terrovane.team_role(), 'MEMBER') THEN
        EXECUTE format('GRANT %I TO %I', terrovane.team_role(), member);
    END IF;
    INSERT INTO terrovane.members (login, role, added_by) VALUES (member, member_role, session_user)
        ON CONFLICT (login) DO UPDATE SET role = EXCLUDED.role;
    SELECT coalesce(array_agg(terrovane.site_for_member(s)), '{}') INTO wanted
        FROM unnest(coalesce(sites, '{}'::text[])) AS s;
    DELETE FROM terrovane.member_sites WHERE login = member AND site <> ALL (wanted);
    -- Only sites new to the member are inserted: each brings its history to the member's next sync.
    INSERT INTO terrovane.member_sites (login, site) SELECT DISTINCT member, w FROM unnest(wanted) AS w
        ON CONFLICT DO NOTHING;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.remove_member(member name) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    DELETE FROM terrovane.members WHERE login = member;
    IF NOT FOUND THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('%s is not a member of the team', member);
    END IF;
    EXECUTE format('REVOKE %I FROM %I', terrovane.team_role(), member);
END
$$;

-- What `team status` shows a member: who it is, its role and sites, and the server's layout.
CREATE OR REPLACE FUNCTION terrovane.whoami(OUT login name, OUT role text, OUT sites bigint, OUT layout integer)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
    SELECT session_user, terrovane.role_of(session_user),
           (SELECT count(*) FROM terrovane.member_sites s WHERE s.login = session_user),
           terrovane.layout()
$$;

-- An archive signs in with its device before it pushes or pulls: the device becomes the login's when it
-- is new. The answer: {"status": "ok", "server": the server's own id, "rights": a digest of the member's
-- role and sites (a change tells the archive to send again what the rights refused)},
-- {"status": "other_login"} or {"status": "layout", "server": N}.
CREATE OR REPLACE FUNCTION terrovane.sign_in(client_layout integer, archive_device uuid) RETURNS jsonb
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    member text;
BEGIN
    IF client_layout IS DISTINCT FROM terrovane.layout() THEN
        RETURN jsonb_build_object('status', 'layout', 'server', terrovane.layout());
    END IF;
    member := terrovane.member_role();
    IF archive_device IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an archive signs in with its device';
    END IF;
    IF terrovane.device_owner(archive_device) <> session_user THEN
        RETURN jsonb_build_object('status', 'other_login');
    END IF;
    RETURN jsonb_build_object(
        'status', 'ok', 'server', (SELECT value FROM terrovane.meta WHERE key = 'device'), 'role', member,
        'rights', md5(member || ':' || array_to_string(terrovane.sites_of(session_user), ',')));
END
$$;

-- A conflict settled on one PC is settled on every PC. Who may write the conflict's site may settle it.
CREATE OR REPLACE FUNCTION terrovane.resolve_conflict(conflict_seq bigint) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    target terrovane.conflicts;
    member text := terrovane.member_role();
BEGIN
    SELECT * INTO target FROM terrovane.conflicts WHERE seq = conflict_seq FOR UPDATE;
    IF NOT FOUND OR NOT (terrovane.may_read(member, terrovane.sites_of(session_user), session_user,
                                            target.site, target.kept_by)
                         OR terrovane.may_read(member, terrovane.sites_of(session_user), session_user,
                                               target.site, target.lost_by)) THEN
        RETURN false;
    END IF;
    IF NOT terrovane.may_write(member, terrovane.sites_of(session_user), target.site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to settle this conflict';
    END IF;
    IF target.resolved_at IS NULL THEN
        PERFORM terrovane.lock_change_log();
        UPDATE terrovane.conflicts SET resolved_by = session_user, resolved_at = now() WHERE seq = conflict_seq;
    END IF;
    RETURN true;
END
$$;

-- The firm's profile, read by every member and changed by admins only, and the report numbers issued to
-- inspectors and admins. The server checks what it keeps: a member's program is not trusted to.

-- The profile when its version is not the one the caller holds (NULL: none held); no row otherwise, or
-- when no profile was set.
CREATE OR REPLACE FUNCTION terrovane.firm(client_layout integer, held_version bigint)
RETURNS TABLE (profile jsonb, logo bytea, version bigint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.member_role();
    RETURN QUERY SELECT f.profile, f.logo, f.version FROM terrovane.firm_profile f
                 WHERE f.id = 1 AND f.version IS DISTINCT FROM held_version;
END
$$;

-- A text field of the profile: a string of at most `most` characters.
CREATE OR REPLACE FUNCTION terrovane.firm_text_ok(value jsonb, most integer) RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$ SELECT value IS NOT NULL AND jsonb_typeof(value) = 'string' AND length(value #>> '{}') <= most $$;

-- Replaces the profile; admins only. Returns its new version.
CREATE OR REPLACE FUNCTION terrovane.set_firm(client_layout integer, new_profile jsonb, new_logo bytea)
RETURNS bigint
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    logo_type text := new_profile->>'logo_type';
    new_version bigint;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    IF terrovane.member_role() <> 'admin' THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'only an admin changes the firm''s profile';
    END IF;
    IF jsonb_typeof(new_profile) IS DISTINCT FROM 'object'
       OR EXISTS (SELECT 1 FROM jsonb_object_keys(new_profile) k
                  WHERE k NOT IN ('name', 'address', 'phone', 'email', 'licence', 'prefix', 'logo_type'))
       OR NOT (terrovane.firm_text_ok(new_profile->'name', 200) AND terrovane.firm_text_ok(new_profile->'phone', 200)
               AND terrovane.firm_text_ok(new_profile->'email', 200)
               AND terrovane.firm_text_ok(new_profile->'licence', 200)
               AND terrovane.firm_text_ok(new_profile->'address', 1000)
               AND terrovane.firm_text_ok(new_profile->'prefix', 12))
       OR (new_profile->>'prefix' <> '' AND new_profile->>'prefix' !~ '^[A-Za-z0-9]{1,12}$') THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a firm''s profile';
    END IF;
    IF new_logo IS NOT NULL AND (length(new_logo) > 1048576
       OR NOT ((logo_type = 'png' AND substring(new_logo FROM 1 FOR 8) = '\x89504e470d0a1a0a'::bytea)
               OR (logo_type = 'svg' AND position('\x3c737667'::bytea IN new_logo) > 0
                   AND position('\x00'::bytea IN new_logo) = 0))) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'the logo is neither a PNG image nor an SVG drawing';
    END IF;
    INSERT INTO terrovane.firm_profile AS f (id, profile, logo, version, changed_by, changed_at)
        VALUES (1, new_profile - CASE WHEN new_logo IS NULL THEN 'logo_type' ELSE '' END, new_logo, 1,
                session_user, now())
        ON CONFLICT (id) DO UPDATE SET profile = excluded.profile, logo = excluded.logo,
                                       version = f.version + 1, changed_by = excluded.changed_by,
                                       changed_at = excluded.changed_at
        RETURNING f.version INTO new_version;
    RETURN new_version;
END
$$;

-- The next report number of the prefix and year, "PREFIX-YEAR-0001": for inspectors and admins, who
-- issue reports. The sequence has at least four digits and grows past them; it is never cut.
CREATE OR REPLACE FUNCTION terrovane.issue_report_number(client_layout integer, report_prefix text,
                                                         report_year integer)
RETURNS text
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    issued bigint;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    IF terrovane.member_role() NOT IN ('admin', 'inspector') THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'only inspectors and admins issue reports';
    END IF;
    IF report_prefix IS NULL OR report_prefix !~ '^[A-Za-z0-9]{1,12}$' OR report_year IS NULL
       OR report_year NOT BETWEEN 2000 AND 9999 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a report number''s prefix and year';
    END IF;
    INSERT INTO terrovane.report_numbers AS r (prefix, year, last, issued_by)
        VALUES (report_prefix, report_year, 1, session_user)
        ON CONFLICT (prefix, year) DO UPDATE SET last = r.last + 1, issued_by = excluded.issued_by
        RETURNING r.last INTO issued;
    RETURN report_prefix || '-' || report_year || '-' ||
           CASE WHEN issued < 1000 THEN lpad(issued::text, 4, '0') ELSE issued::text END;
END
$$;

-- Photos, documents and issued reports of the team. A file's bytes come up in pieces and are taken only
-- once the server's own SHA-256 of them is the digest they were sent under; rows that name a file are
-- placed at the site of what they attach to, and a member reads a file only through a row of a site they
-- may read. The client's word counts for nothing here: every key, size and kind is checked.

-- The most one file may hold, and one piece of it.
CREATE OR REPLACE FUNCTION terrovane.most_file_bytes() RETURNS bigint
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp AS $$ SELECT 67108864::bigint $$;
CREATE OR REPLACE FUNCTION terrovane.most_piece_bytes() RETURNS integer
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp AS $$ SELECT 4194304 $$;

CREATE OR REPLACE FUNCTION terrovane.require_writer() RETURNS text
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    found_role text := terrovane.member_role();
BEGIN
    IF found_role = 'viewer' THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'a viewer changes nothing';
    END IF;
    RETURN found_role;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.require_digest(digest text) RETURNS void
LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    IF NOT terrovane.is_content_key(digest) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a file is named by the hex of its SHA-256';
    END IF;
END
$$;

-- Which of the digests the server holds no file of: only those are sent.
CREATE OR REPLACE FUNCTION terrovane.files_missing(client_layout integer, wanted text[]) RETURNS SETOF text
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_writer();
    IF cardinality(wanted) > 10000 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'too many digests at once';
    END IF;
    RETURN QUERY SELECT DISTINCT w FROM unnest(wanted) w
                 WHERE terrovane.is_content_key(w) AND NOT EXISTS (SELECT 1 FROM terrovane.files f WHERE f.digest = w);
END
$$;

-- One piece of a file on its way up, at its place: a piece at 0 starts the file again (an upload cut off
-- earlier), any other must follow what came so far. The bytes so far.
CREATE OR REPLACE FUNCTION terrovane.put_file_piece(client_layout integer, digest text, at bigint, piece bytea)
RETURNS bigint
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    so_far bigint;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_writer();
    PERFORM terrovane.require_digest(digest);
    IF piece IS NULL OR length(piece) = 0 OR length(piece) > terrovane.most_piece_bytes() THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a piece of a file holds 1 byte to 4 MiB';
    END IF;
    IF at = 0 THEN
        DELETE FROM terrovane.file_uploads u WHERE u.login = session_user AND u.digest = digest;
        so_far := 0;
    ELSE
        SELECT sum(length(u.piece)) INTO so_far FROM terrovane.file_uploads u
            WHERE u.login = session_user AND u.digest = digest;
    END IF;
    IF so_far IS NULL OR so_far <> at THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a piece of a file out of its place';
    END IF;
    IF so_far + length(piece) > terrovane.most_file_bytes() THEN
        DELETE FROM terrovane.file_uploads u WHERE u.login = session_user AND u.digest = digest;
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'a file holds at most 64 MiB';
    END IF;
    INSERT INTO terrovane.file_uploads (login, digest, at, piece) VALUES (session_user, digest, at, piece);
    RETURN so_far + length(piece);
END
$$;

-- The pieces become the file when their bytes are those of its digest; otherwise they are refused.
CREATE OR REPLACE FUNCTION terrovane.finish_file(client_layout integer, digest text) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    whole bytea;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_writer();
    PERFORM terrovane.require_digest(digest);
    SELECT string_agg(u.piece, ''::bytea ORDER BY u.at) INTO whole FROM terrovane.file_uploads u
        WHERE u.login = session_user AND u.digest = digest;
    DELETE FROM terrovane.file_uploads u WHERE u.login = session_user AND u.digest = digest;
    IF whole IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'no file on its way up under that digest';
    END IF;
    IF encode(sha256(whole), 'hex') <> digest THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'the bytes are not those of their digest';
    END IF;
    INSERT INTO terrovane.files (digest, size, bytes) VALUES (digest, length(whole), whole)
        ON CONFLICT DO NOTHING;
END
$$;

-- Whether the file's first bytes are what its kind says.
CREATE OR REPLACE FUNCTION terrovane.file_is(digest text, file_kind text) RETURNS boolean
LANGUAGE sql STABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT CASE file_kind
               WHEN 'jpeg' THEN substring(f.bytes FROM 1 FOR 3) = '\xffd8ff'::bytea
               WHEN 'png' THEN substring(f.bytes FROM 1 FOR 8) = '\x89504e470d0a1a0a'::bytea
               WHEN 'pdf' THEN substring(f.bytes FROM 1 FOR 5) = '\x255044462d'::bytea
               ELSE false END
    FROM terrovane.files f WHERE f.digest = file_is.digest
$$;

-- The site of what an attachment attaches to, as the server holds it: a site itself, a point's site, a
-- result's assignment (none while the result is assigned to no point).
CREATE OR REPLACE FUNCTION terrovane.owner_site(owner_kind text, owner_ref text) RETURNS uuid
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    CASE owner_kind
    WHEN 'site' THEN
        IF NOT EXISTS (SELECT 1 FROM terrovane.fields f
                       WHERE f.kind = 'site' AND f.id = terrovane.as_uuid(owner_ref)) THEN
            RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the site is not on the server';
        END IF;
        RETURN owner_ref::uuid;
    WHEN 'point' THEN
        IF terrovane.as_uuid(owner_ref) IS NULL THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a point is named by its id';
        END IF;
        RETURN terrovane.site_of_point(owner_ref::uuid);
    WHEN 'result' THEN
        IF NOT terrovane.is_content_key(owner_ref) THEN
            RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a result is named by its key';
        END IF;
        RETURN terrovane.result_site(owner_ref);
    ELSE
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a file attaches to a site, a point or a result';
    END CASE;
END
$$;

-- Adds an attachment, or sets its name, caption and whether it goes into the site report.
CREATE OR REPLACE FUNCTION terrovane.put_attachment(client_layout integer, owner_kind text, owner_ref text,
                                                    digest text, file_kind text, name text, caption text,
                                                    chosen boolean, meta jsonb, thumbnail bytea)
RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.require_writer();
    found_site uuid;
    held terrovane.attachments;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_digest(digest);
    found_site := terrovane.owner_site(owner_kind, owner_ref);
    IF NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), found_site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    IF name IS NULL OR length(name) NOT BETWEEN 1 AND 255 OR caption IS NULL OR length(caption) > 2000
       OR chosen IS NULL OR jsonb_typeof(meta) IS DISTINCT FROM 'object' OR length(meta::text) > 1000
       OR coalesce(length(thumbnail), 0) > 262144 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not an attachment';
    END IF;
    IF terrovane.file_is(digest, file_kind) IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the file is not on the server';
    END IF;
    IF NOT terrovane.file_is(digest, file_kind) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'the file is not what its kind says';
    END IF;
    IF chosen AND file_kind = 'pdf' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a document is not chosen for the report';
    END IF;
    SELECT * INTO held FROM terrovane.attachments a
        WHERE a.key = owner_kind || ':' || lower(owner_ref) || ':' || digest FOR UPDATE;
    IF FOUND AND NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), held.site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    INSERT INTO terrovane.attachments AS a (key, owner_kind, owner_ref, digest, file_kind, site, name, caption,
                                            chosen, meta, thumbnail)
        VALUES (owner_kind || ':' || lower(owner_ref) || ':' || digest, owner_kind, lower(owner_ref), digest,
                file_kind, found_site, name, caption, chosen, meta, thumbnail)
        ON CONFLICT (key) DO UPDATE SET site = excluded.site, name = excluded.name, caption = excluded.caption,
                                        chosen = excluded.chosen, changed_by = session_user, changed_at = now();
END
$$;

-- The attachments the member may read. A result's attachment is placed where its result is assigned now.
-- A sync leaves the thumbnails out of its list and asks for each new one through attachment_thumbnail.
CREATE OR REPLACE FUNCTION terrovane.attachments(client_layout integer)
RETURNS TABLE (key text, owner_kind text, owner_ref text, digest text, file_kind text, size bigint, name text,
               caption text, chosen boolean, meta jsonb, thumbnail bytea)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    RETURN QUERY
        SELECT a.key, a.owner_kind, a.owner_ref, a.digest, a.file_kind, f.size, a.name, a.caption, a.chosen,
               a.meta, a.thumbnail
        FROM terrovane.attachments a JOIN terrovane.files f ON f.digest = a.digest
        WHERE terrovane.may_read(member_role, member_sites, session_user,
                                 CASE WHEN a.owner_kind = 'result' THEN terrovane.result_site(a.owner_ref)
                                      ELSE a.site END, a.added_by)
        ORDER BY a.key;
END
$$;

-- The thumbnail of an attachment the member may read, as its sender made it.
CREATE OR REPLACE FUNCTION terrovane.attachment_thumbnail(client_layout integer, wanted text)
RETURNS TABLE (thumbnail bytea)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
BEGIN
    RETURN QUERY SELECT a.thumbnail FROM terrovane.attachments(client_layout) a WHERE a.key = wanted;
END
$$;

-- Keeps an issued report's PDF with its number and revision at its site. A revision is kept once: the same
-- again changes nothing, another PDF under it is refused.
CREATE OR REPLACE FUNCTION terrovane.put_issued_report(client_layout integer, number text, revision integer,
                                                       site uuid, site_name text, issued_on text,
                                                       issued_by text, language text, digest text)
RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.require_writer();
    held terrovane.issued_reports;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_digest(digest);
    IF number IS NULL OR number !~ '^[A-Za-z0-9-]{1,64}$' OR revision IS NULL OR revision NOT BETWEEN 1 AND 9999
       OR site_name IS NULL OR length(site_name) > 500 OR issued_on IS NULL OR issued_on !~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$'
       OR issued_by IS NULL OR length(issued_by) > 200 OR language IS NULL OR length(language) > 8 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not an issued report';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM terrovane.fields f WHERE f.kind = 'site' AND f.id = site) THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the site is not on the server';
    END IF;
    IF NOT terrovane.may_write(member_role, terrovane.sites_of(session_user), site) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'the site is not one the member may change';
    END IF;
    IF terrovane.file_is(digest, 'pdf') IS NULL THEN
        RAISE EXCEPTION USING ERRCODE = '23503', MESSAGE = 'the file is not on the server';
    END IF;
    IF NOT terrovane.file_is(digest, 'pdf') THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'an issued report is a PDF';
    END IF;
    SELECT * INTO held FROM terrovane.issued_reports r
        WHERE r.number = put_issued_report.number AND r.revision = put_issued_report.revision;
    IF FOUND THEN
        IF held.digest <> digest OR held.site <> site THEN
            RAISE EXCEPTION USING ERRCODE = '23505', MESSAGE = 'that revision of the report is kept already';
        END IF;
        RETURN;
    END IF;
    INSERT INTO terrovane.issued_reports (number, revision, site, site_name, issued_on, issued_by, language, digest)
        VALUES (number, revision, site, site_name, issued_on, issued_by, language, digest);
END
$$;

CREATE OR REPLACE FUNCTION terrovane.issued_reports(client_layout integer)
RETURNS TABLE (number text, revision integer, site uuid, site_name text, issued_on text, issued_by text,
               language text, digest text, size bigint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    RETURN QUERY
        SELECT r.number, r.revision, r.site, r.site_name, r.issued_on, r.issued_by, r.language, r.digest, f.size
        FROM terrovane.issued_reports r JOIN terrovane.files f ON f.digest = r.digest
        WHERE terrovane.may_read(member_role, member_sites, session_user, r.site, r.kept_by)
        ORDER BY r.number, r.revision;
END
$$;

-- A piece of a file the member may read through one of its attachments or issued reports. A file of
-- another site and one the server does not hold get the same answer.
CREATE OR REPLACE FUNCTION terrovane.file_piece(client_layout integer, digest text, at bigint, size integer)
RETURNS bytea
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_variable
DECLARE
    member_role text := terrovane.member_role();
    member_sites uuid[] := terrovane.sites_of(session_user);
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.require_digest(digest);
    IF at IS NULL OR at < 0 OR size IS NULL OR size NOT BETWEEN 1 AND terrovane.most_piece_bytes() THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a piece of a file holds 1 byte to 4 MiB';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM terrovane.attachments a WHERE a.digest = file_piece.digest
                   AND terrovane.may_read(member_role, member_sites, session_user,
                                          CASE WHEN a.owner_kind = 'result' THEN terrovane.result_site(a.owner_ref)
                                               ELSE a.site END, a.added_by))
       AND NOT EXISTS (SELECT 1 FROM terrovane.issued_reports r WHERE r.digest = file_piece.digest
                       AND terrovane.may_read(member_role, member_sites, session_user, r.site, r.kept_by)) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no file of the member''s sites';
    END IF;
    RETURN (SELECT substring(f.bytes FROM (at + 1)::integer FOR size) FROM terrovane.files f WHERE f.digest = file_piece.digest);
END
$$;

RESET ROLE;
-- Who may do what, run after every step and function (re-runnable). The team's group role is named after
-- the database, so two team databases on one server keep their members apart. Members may connect and
-- call the functions of a small API; they have no right on any table, sequence or view, and the tables'
-- row-level security has no policy, so a right granted by mistake still shows nothing.
DO $$
DECLARE
    team name := left(current_database(), 50) || '_team';
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
    rel record;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles WHERE rolname = team) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', team);
    END IF;
    INSERT INTO terrovane.meta (key, value) VALUES ('team_role', team), ('device', gen_random_uuid()::text)
        ON CONFLICT (key) DO NOTHING;
    EXECUTE format('REVOKE CONNECT, TEMPORARY ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO %I', current_database(), team);
    EXECUTE format('REVOKE ALL ON SCHEMA terrovane FROM PUBLIC');
    EXECUTE format('GRANT USAGE ON SCHEMA terrovane TO %I', team);
    EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA terrovane FROM PUBLIC, %I', team);
    EXECUTE format('REVOKE ALL ON ALL SEQUENCES IN SCHEMA terrovane FROM PUBLIC, %I', team);
    EXECUTE format('REVOKE ALL ON ALL FUNCTIONS IN SCHEMA terrovane FROM PUBLIC, %I', team);
    -- Nobody but the owner creates in public: a function that forgot its path would find nothing there.
    EXECUTE 'REVOKE CREATE ON SCHEMA public FROM PUBLIC';
    FOR rel IN SELECT c.oid::regclass AS name FROM pg_catalog.pg_class c
               WHERE c.relnamespace = 'terrovane'::regnamespace AND c.relkind = 'r' LOOP
        EXECUTE format('ALTER TABLE %s ENABLE ROW LEVEL SECURITY', rel.name);
    END LOOP;
    EXECUTE format('ALTER DEFAULT PRIVILEGES FOR ROLE %I IN SCHEMA terrovane REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC',
                   api);
    EXECUTE format('GRANT EXECUTE ON FUNCTION terrovane.layout(), terrovane.whoami(), '
                   'terrovane.sign_in(integer, uuid), '
                   'terrovane.push(integer, uuid, bigint, jsonb, bytea[]), '
                   'terrovane.pull(integer, bigint, integer), terrovane.bodies(integer, text[]), '
                   'terrovane.cursor_after(xid8, bigint), terrovane.resolve_conflict(bigint), '
                   'terrovane.firm(integer, bigint), terrovane.set_firm(integer, jsonb, bytea), '
                   'terrovane.issue_report_number(integer, text, integer) TO %I', team);
    EXECUTE format('GRANT EXECUTE ON FUNCTION terrovane.files_missing(integer, text[]), '
                   'terrovane.put_file_piece(integer, text, bigint, bytea), terrovane.finish_file(integer, text), '
                   'terrovane.put_attachment(integer, text, text, text, text, text, text, boolean, jsonb, bytea), '
                   'terrovane.attachments(integer), terrovane.attachment_thumbnail(integer, text), '
                   'terrovane.put_issued_report(integer, text, integer, uuid, text, text, text, text, text), '
                   'terrovane.issued_reports(integer), terrovane.file_piece(integer, text, bigint, integer) TO %I',
                   team);
END
$$;

INSERT INTO terrovane.meta (key, value) VALUES ('layout', '9');
