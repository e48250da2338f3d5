-- The team schema as `team init` made it at layout 1 (commit 230eab7).

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

CREATE FUNCTION terrovane.role_of(who name) RETURNS text
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$ SELECT role FROM terrovane.members WHERE login = who $$;

CREATE FUNCTION terrovane.register_site() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF NEW.site IS NOT NULL THEN
        INSERT INTO terrovane.known_sites (id, created_by) VALUES (NEW.site, session_user)
            ON CONFLICT (id) DO NOTHING;
        IF FOUND AND terrovane.role_of(session_user) = 'inspector' THEN
            INSERT INTO terrovane.member_sites (login, site) VALUES (session_user, NEW.site)
                ON CONFLICT DO NOTHING;
        END IF;
    END IF;
    RETURN NULL;
END
$$;
CREATE TRIGGER fields_register_site AFTER INSERT OR UPDATE OF site ON terrovane.fields
    FOR EACH ROW EXECUTE FUNCTION terrovane.register_site();

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

CREATE FUNCTION terrovane.log_field() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        VALUES ('field', NEW.kind, NEW.id::text, NEW.field, NEW.site);
    INSERT INTO terrovane.audit (action, kind, id, field, old_value, new_value)
        VALUES (lower(TG_OP), NEW.kind, NEW.id::text, NEW.field,
                CASE WHEN TG_OP = 'UPDATE' THEN OLD.value END, NEW.value);
    RETURN NULL;
END
$$;
CREATE TRIGGER fields_logged AFTER INSERT OR UPDATE ON terrovane.fields
    FOR EACH ROW EXECUTE FUNCTION terrovane.log_field();

-- Content comes in thousands at a time (a first sync): logged, audited and its sites registered once per
-- statement.
CREATE FUNCTION terrovane.log_content() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    INSERT INTO terrovane.changes (source, kind, id, site) SELECT 'content', kind, key, site FROM added;
    -- The content itself never changes and stays in its table: the audit names it by its key.
    INSERT INTO terrovane.audit (action, kind, id) SELECT 'insert', kind, key FROM added;
    WITH registered AS (
        INSERT INTO terrovane.known_sites (id, created_by)
            SELECT DISTINCT site, session_user FROM added WHERE site IS NOT NULL
            ON CONFLICT (id) DO NOTHING RETURNING id)
    INSERT INTO terrovane.member_sites (login, site)
        SELECT session_user, id FROM registered WHERE terrovane.role_of(session_user) = 'inspector'
        ON CONFLICT DO NOTHING;
    RETURN NULL;
END
$$;
CREATE TRIGGER content_logged AFTER INSERT ON terrovane.content
    REFERENCING NEW TABLE AS added FOR EACH STATEMENT EXECUTE FUNCTION terrovane.log_content();

-- A conflict is news for every member who may read its site: each archive lists it.
CREATE FUNCTION terrovane.log_conflict() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        VALUES ('conflict', NEW.kind, NEW.seq::text, NEW.field, NEW.site);
    RETURN NULL;
END
$$;
CREATE TRIGGER conflicts_logged AFTER INSERT ON terrovane.conflicts
    FOR EACH ROW EXECUTE FUNCTION terrovane.log_conflict();

-- A conflict settled on one PC is settled on every PC: the settling is news like the conflict was. Who may
-- write the conflict's site may settle it.
CREATE FUNCTION terrovane.resolve_conflict(conflict_seq bigint) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    target terrovane.conflicts;
    role text := terrovane.role_of(session_user);
BEGIN
    SELECT * INTO target FROM terrovane.conflicts WHERE seq = conflict_seq FOR UPDATE;
    IF NOT FOUND THEN
        RETURN false;
    END IF;
    IF NOT (role = 'admin' OR (role = 'inspector' AND (target.site IS NULL OR target.site IN
            (SELECT s.site FROM terrovane.member_sites s WHERE s.login = session_user)))) THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to settle this conflict';
    END IF;
    IF target.resolved_at IS NULL THEN
        UPDATE terrovane.conflicts SET resolved_by = session_user, resolved_at = now() WHERE seq = conflict_seq;
        INSERT INTO terrovane.changes (source, kind, id, field, site)
            VALUES ('conflict', target.kind, target.seq::text, target.field, target.site);
    END IF;
    RETURN true;
END
$$;

-- A client of another layout must not read or write: the answer says which side to update.
CREATE FUNCTION terrovane.layout() RETURNS integer
LANGUAGE sql STABLE AS $$ SELECT value::integer FROM terrovane.meta WHERE key = 'layout' $$;

CREATE FUNCTION terrovane.require_layout(client_layout integer) RETURNS void
LANGUAGE plpgsql STABLE AS $$
DECLARE
    server_layout integer := terrovane.layout();
BEGIN
    IF client_layout IS DISTINCT FROM server_layout THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('the team server''s layout is %s, this program''s %s: %s', server_layout,
                             client_layout, CASE WHEN client_layout < server_layout THEN 'update this program'
                                                 ELSE 'the office updates the server''s schema' END);
    END IF;
END
$$;

-- One page of changes after the cursor (xid, seq), with each thing's current value and who set it (a
-- conflict: both values, their stamps and people). Content comes by its key alone: a client asks for the
-- bodies it does not hold (a first sync gets its own thousands of read-outs back otherwise). Row-level security applies to the caller: a member
-- sees only the changes of what it may read.
CREATE FUNCTION terrovane.pull(client_layout integer, after_xid xid8, after_seq bigint, page_size integer)
RETURNS TABLE (xid xid8, seq bigint, source text, kind text, id text, field text, site uuid,
               value jsonb, stamp text, changed_by name)
LANGUAGE plpgsql STABLE SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_column
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    RETURN QUERY
    SELECT c.xid, c.seq, c.source, c.kind, c.id, c.field, c.site,
           CASE c.source WHEN 'field' THEN f.value WHEN 'content' THEN NULL
               ELSE jsonb_build_object('id', x.id, 'kept_value', x.kept_value, 'kept_stamp', x.kept_stamp,
                                       'kept_by', x.kept_by, 'lost_value', x.lost_value,
                                       'lost_stamp', x.lost_stamp, 'lost_by', x.lost_by,
                                       'noted_at', x.noted_at, 'resolved', x.resolved_at IS NOT NULL) END,
           f.stamp::text, f.changed_by
    FROM terrovane.changes c
    LEFT JOIN terrovane.fields f
        ON f.kind = c.kind AND f.id = CASE WHEN c.source = 'field' THEN c.id::uuid END AND f.field = c.field
    LEFT JOIN terrovane.conflicts x ON c.source = 'conflict' AND x.seq = CASE WHEN c.source = 'conflict'
                                                                              THEN c.id::bigint END
    WHERE (c.xid, c.seq) > (after_xid, after_seq)
      -- A subquery, so the server's horizon is taken once for the page, not once per row.
      AND c.xid < (SELECT pg_snapshot_xmin(pg_current_snapshot()))
    ORDER BY c.xid, c.seq
    LIMIT page_size;
END
$$;

CREATE FUNCTION terrovane.now_millis() RETURNS bigint
LANGUAGE sql VOLATILE AS $$ SELECT (extract(epoch FROM clock_timestamp()) * 1000)::bigint $$;

-- A stamp more than five minutes ahead of the server's clock is brought back to the server's clock: a
-- laptop whose clock runs days ahead must not win every later edit.
CREATE FUNCTION terrovane.clamped_stamp(stamp text) RETURNS text
LANGUAGE plpgsql VOLATILE AS $$
DECLARE
    limit_millis bigint := terrovane.now_millis() + 300000;
BEGIN
    IF stamp IS NULL OR stamp !~ '^[0-9]{15}-[0-9]{5}-.+$' THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('not a change stamp: %s', stamp);
    END IF;
    IF left(stamp, 15)::bigint > limit_millis THEN
        RETURN lpad(terrovane.now_millis()::text, 15, '0') || substr(stamp, 16);
    END IF;
    RETURN stamp;
END
$$;

CREATE FUNCTION terrovane.apply_field(change jsonb, from_device uuid) RETURNS text
LANGUAGE plpgsql AS $$
DECLARE
    current terrovane.fields;
    incoming text := terrovane.clamped_stamp(change->>'stamp');
    target_kind text := change->>'kind';
    target_id uuid := (change->>'id')::uuid;
    target_field text := change->>'field';
    target_site uuid := (change->>'site')::uuid;
    base text := change->>'base';
BEGIN
    SELECT * INTO current FROM terrovane.fields
        WHERE kind = target_kind AND id = target_id AND field = target_field FOR UPDATE;
    IF NOT FOUND THEN
        INSERT INTO terrovane.fields (kind, id, field, site, value, stamp, device)
            VALUES (target_kind, target_id, target_field, target_site, change->'value', incoming, from_device);
        RETURN CASE WHEN incoming = change->>'stamp' THEN 'applied' ELSE 'clamped' END;
    END IF;
    IF incoming = current.stamp THEN
        RETURN 'known';
    END IF;
    IF incoming > current.stamp THEN
        UPDATE terrovane.fields
            SET site = target_site, value = change->'value', stamp = incoming, device = from_device,
                changed_by = session_user
            WHERE kind = target_kind AND id = target_id AND field = target_field;
        IF NOT FOUND THEN
            RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'no right to change this site';
        END IF;
        IF base IS DISTINCT FROM current.stamp AND current.value IS DISTINCT FROM change->'value' THEN
            INSERT INTO terrovane.conflicts (kind, id, field, site, kept_value, kept_stamp, lost_value,
                                             lost_stamp, lost_by)
                VALUES (target_kind, target_id, target_field, target_site, change->'value', incoming,
                        current.value, current.stamp, current.changed_by);
        END IF;
        RETURN CASE WHEN incoming = change->>'stamp' THEN 'applied' ELSE 'clamped' END;
    END IF;
    IF current.value IS DISTINCT FROM change->'value' THEN
        INSERT INTO terrovane.conflicts (kind, id, field, site, kept_value, kept_stamp, kept_by, lost_value,
                                         lost_stamp)
            VALUES (target_kind, target_id, target_field, current.site, current.value, current.stamp,
                    current.changed_by, change->'value', incoming);
    END IF;
    RETURN 'superseded';
END
$$;

CREATE FUNCTION terrovane.apply_content(change jsonb) RETURNS text
LANGUAGE plpgsql AS $$
BEGIN
    INSERT INTO terrovane.content (kind, key, site, body)
        VALUES (change->>'kind', change->>'key', (change->>'site')::uuid, change->'body')
        ON CONFLICT (kind, key) DO NOTHING;
    RETURN CASE WHEN FOUND THEN 'applied' ELSE 'known' END;
END
$$;

-- The answer: {"status": "applied", "batch": N, "changes": [{"index", "outcome", "sqlstate", "reason"}]},
-- {"status": "gap", "expected": N}, or {"status": "layout", "server": N} (nothing applied, nothing kept).
CREATE FUNCTION terrovane.push(client_layout integer, from_device uuid, batch_number bigint, batch_changes jsonb)
RETURNS jsonb
LANGUAGE plpgsql AS $$
DECLARE
    stored jsonb;
    expected bigint;
    change jsonb;
    position integer;
    outcome text;
    outcomes jsonb[] := '{}';
    inserted jsonb;
    bulk boolean;
    answer jsonb;
BEGIN
    IF client_layout IS DISTINCT FROM terrovane.layout() THEN
        RETURN jsonb_build_object('status', 'layout', 'server', terrovane.layout());
    END IF;
    -- One batch of a device at a time: a second copy waits for the first, then finds its answer.
    PERFORM pg_advisory_xact_lock(hashtextextended(from_device::text, 0));
    SELECT b.answer INTO stored FROM terrovane.batches b
        WHERE b.device = from_device AND b.batch = batch_number;
    IF FOUND THEN
        RETURN stored;
    END IF;
    SELECT coalesce(max(b.batch), 0) + 1 INTO expected FROM terrovane.batches b WHERE b.device = from_device;
    IF batch_number <> expected THEN
        RETURN jsonb_build_object('status', 'gap', 'expected', expected);
    END IF;
    PERFORM set_config('terrovane.device', from_device::text, true);
    -- The usual case first: all the batch's content in one statement. Should the rights or a constraint
    -- refuse any of it, that statement is undone and each change is tried alone below.
    BEGIN
        WITH added AS (
            INSERT INTO terrovane.content (kind, key, site, body)
                SELECT c->>'kind', c->>'key', (c->>'site')::uuid, c->'body'
                FROM jsonb_array_elements(batch_changes) AS c WHERE c->>'type' = 'content'
                ON CONFLICT (kind, key) DO NOTHING
                RETURNING kind || ':' || key AS name)
        SELECT coalesce(jsonb_object_agg(name, true), '{}') INTO inserted FROM added;
        bulk := true;
    EXCEPTION WHEN insufficient_privilege OR integrity_constraint_violation OR data_exception
                   OR invalid_parameter_value OR invalid_text_representation THEN
        bulk := false;
    END;
    IF bulk THEN
        SELECT coalesce(array_agg(jsonb_build_object('index', n - 1, 'outcome',
                                  CASE WHEN inserted ? ((c->>'kind') || ':' || (c->>'key')) THEN 'applied'
                                       ELSE 'known' END)), '{}')
            INTO outcomes
            FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n) WHERE c->>'type' = 'content';
    END IF;
    FOR change, position IN
        SELECT c, n - 1 FROM jsonb_array_elements(batch_changes) WITH ORDINALITY AS e(c, n)
        WHERE NOT (bulk AND c->>'type' = 'content')
    LOOP
        BEGIN
            outcome := CASE change->>'type'
                WHEN 'field' THEN terrovane.apply_field(change, from_device)
                WHEN 'content' THEN terrovane.apply_content(change)
            END;
            IF outcome IS NULL THEN
                RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'a change is of type field or content';
            END IF;
            outcomes := outcomes || jsonb_build_object('index', position, 'outcome', outcome);
        EXCEPTION WHEN insufficient_privilege OR integrity_constraint_violation OR data_exception
                       OR invalid_parameter_value OR invalid_text_representation THEN
            outcomes := outcomes || jsonb_build_object('index', position, 'outcome', 'rejected',
                                                       'sqlstate', SQLSTATE, 'reason', SQLERRM);
        END;
    END LOOP;
    answer := jsonb_build_object('status', 'applied', 'batch', batch_number, 'changes',
        (SELECT coalesce(jsonb_agg(o ORDER BY (o->>'index')::integer), '[]') FROM unnest(outcomes) AS o));
    INSERT INTO terrovane.batches (device, batch, answer) VALUES (from_device, batch_number, answer);
    RETURN answer;
END
$$;

CREATE FUNCTION terrovane.team_role() RETURNS name
LANGUAGE sql STABLE AS $$ SELECT value::name FROM terrovane.meta WHERE key = 'team_role' $$;

CREATE FUNCTION terrovane.server_stamp() RETURNS text
LANGUAGE sql VOLATILE AS $$
    SELECT lpad(terrovane.now_millis()::text, 15, '0') || '-00000-' ||
           (SELECT value FROM terrovane.meta WHERE key = 'device')
$$;

-- A site given by its id or its name; a name the server does not know yet becomes a new site.
CREATE FUNCTION terrovane.site_for_member(site_text text) RETURNS uuid
LANGUAGE plpgsql AS $$
DECLARE
    found_id uuid;
BEGIN
    IF site_text ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$' THEN
        RETURN site_text::uuid;
    END IF;
    SELECT id INTO found_id FROM terrovane.fields
        WHERE kind = 'site' AND field = 'name' AND value = to_jsonb(site_text)
        ORDER BY stamp DESC LIMIT 1;
    IF FOUND THEN
        RETURN found_id;
    END IF;
    found_id := gen_random_uuid();
    INSERT INTO terrovane.fields (kind, id, field, site, value, stamp)
        VALUES ('site', found_id, 'name', found_id, to_jsonb(site_text), terrovane.server_stamp());
    RETURN found_id;
END
$$;

CREATE FUNCTION terrovane.add_member(member name, member_role text, verifier text, sites text[])
RETURNS void LANGUAGE plpgsql AS $$
DECLARE
    existing pg_roles;
    site_text text;
BEGIN
    IF member_role IS NULL OR member_role NOT IN ('viewer', 'inspector', 'admin') THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = format('the role is viewer, inspector or admin, not %s', member_role);
    END IF;
    IF member = current_user THEN
        RAISE EXCEPTION USING ERRCODE = '22023',
            MESSAGE = 'the schema''s owner passes by row-level security and cannot be a member';
    END IF;
    SELECT * INTO existing FROM pg_roles WHERE rolname = member;
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
    EXECUTE format('GRANT %I TO %I', terrovane.team_role(), member);
    INSERT INTO terrovane.members (login, role) VALUES (member, member_role)
        ON CONFLICT (login) DO UPDATE SET role = EXCLUDED.role;
    DELETE FROM terrovane.member_sites WHERE login = member;
    FOREACH site_text IN ARRAY coalesce(sites, '{}'::text[]) LOOP
        INSERT INTO terrovane.member_sites (login, site)
            VALUES (member, terrovane.site_for_member(site_text)) ON CONFLICT DO NOTHING;
    END LOOP;
END
$$;

CREATE FUNCTION terrovane.remove_member(member name) RETURNS void
LANGUAGE plpgsql AS $$
BEGIN
    DELETE FROM terrovane.members WHERE login = member;
    IF NOT FOUND THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = format('%s is not a member of the team', member);
    END IF;
    EXECUTE format('REVOKE %I FROM %I', terrovane.team_role(), member);
END
$$;

-- What `team status` shows a member: who it is, its role and sites, and the server's layout.
CREATE FUNCTION terrovane.whoami(OUT login name, OUT role text, OUT sites bigint, OUT layout integer)
LANGUAGE sql STABLE AS $$
    SELECT current_user, terrovane.role_of(current_user),
           (SELECT count(*) FROM terrovane.member_sites WHERE member_sites.login = current_user),
           (SELECT value::integer FROM terrovane.meta WHERE key = 'layout')
$$;

ALTER TABLE terrovane.fields ENABLE ROW LEVEL SECURITY;
CREATE POLICY fields_read ON terrovane.fields FOR SELECT USING ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) IS NOT NULL
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)))));
CREATE POLICY fields_add ON terrovane.fields FOR INSERT WITH CHECK ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'inspector'
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)
             OR NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = site)))));
CREATE POLICY fields_change ON terrovane.fields FOR UPDATE
    USING ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'inspector'
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)
             OR NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = site))))) WITH CHECK ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'inspector'
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)
             OR NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = site)))));

ALTER TABLE terrovane.content ENABLE ROW LEVEL SECURITY;
CREATE POLICY content_read ON terrovane.content FOR SELECT USING ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) IS NOT NULL
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)))));
CREATE POLICY content_add ON terrovane.content FOR INSERT WITH CHECK ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'inspector'
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)
             OR NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = site)))));

ALTER TABLE terrovane.conflicts ENABLE ROW LEVEL SECURITY;
CREATE POLICY conflicts_read ON terrovane.conflicts FOR SELECT USING ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) IS NOT NULL
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)))));
CREATE POLICY conflicts_add ON terrovane.conflicts FOR INSERT
    WITH CHECK ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'inspector'
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)
             OR NOT EXISTS (SELECT 1 FROM terrovane.known_sites k WHERE k.id = site)))));

ALTER TABLE terrovane.changes ENABLE ROW LEVEL SECURITY;
CREATE POLICY changes_read ON terrovane.changes FOR SELECT USING ((
    (SELECT m.role FROM terrovane.members m WHERE m.login = current_user) = 'admin'
    OR ((SELECT m.role FROM terrovane.members m WHERE m.login = current_user) IS NOT NULL
        AND (site IS NULL
             OR site IN (SELECT s.site FROM terrovane.member_sites s WHERE s.login = current_user)))));

ALTER TABLE terrovane.batches ENABLE ROW LEVEL SECURITY;
CREATE POLICY batches_own ON terrovane.batches
    USING (login = current_user OR terrovane.role_of(current_user) = 'admin')
    WITH CHECK (login = current_user);

ALTER TABLE terrovane.audit ENABLE ROW LEVEL SECURITY;
CREATE POLICY audit_read ON terrovane.audit FOR SELECT
    USING (login = current_user OR terrovane.role_of(current_user) = 'admin');

DO $$
DECLARE
    team name := left(current_database(), 50) || '_team';
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = team) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', team);
    END IF;
    INSERT INTO terrovane.meta (key, value) VALUES ('team_role', team), ('device', gen_random_uuid()::text);
    EXECUTE format('REVOKE CONNECT ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO %I', current_database(), team);
    EXECUTE format('GRANT USAGE ON SCHEMA terrovane TO %I', team);
    EXECUTE format('GRANT SELECT ON terrovane.meta, terrovane.members, terrovane.member_sites, '
                   'terrovane.known_sites, terrovane.changes, terrovane.audit TO %I', team);
    EXECUTE format('GRANT SELECT, INSERT, UPDATE ON terrovane.fields TO %I', team);
    EXECUTE format('GRANT SELECT, INSERT ON terrovane.content, terrovane.conflicts, terrovane.batches TO %I',
                   team);
END
$$;
REVOKE EXECUTE ON ALL FUNCTIONS IN SCHEMA terrovane FROM PUBLIC;
DO $$
BEGIN
    EXECUTE format('GRANT EXECUTE ON FUNCTION terrovane.push(integer, uuid, bigint, jsonb), '
                   'terrovane.pull(integer, xid8, bigint, integer), terrovane.layout(), '
                   'terrovane.require_layout(integer), terrovane.whoami(), terrovane.role_of(name), '
                   'terrovane.apply_field(jsonb, uuid), '
                   'terrovane.apply_content(jsonb), terrovane.clamped_stamp(text), terrovane.now_millis(), '
                   'terrovane.resolve_conflict(bigint) TO %I',
                   terrovane.team_role());
END
$$;

INSERT INTO terrovane.meta (key, value) VALUES ('layout', '1');
